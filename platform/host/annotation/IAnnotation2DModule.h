#pragma once

#include "OvCoordSystem/OvPlatformGlobal.h"

#include <string>

class IAnnotation2DMapLayer;
class IAnnotation2DObject;

// Layers and objects of 2D annotations on the map view. The module owns both; they are made and
// freed only here. Null arguments are ignored.
class OVPLATFORM_EXPORT IAnnotation2DModule
{
public:
    virtual ~IAnnotation2DModule();

    // A new empty layer named name; the module owns it.
    virtual IAnnotation2DMapLayer* CreateMapLayer(const std::string& name) = 0;
    // Frees the layer; its objects stay but are no longer drawn until given another layer.
    virtual void DestroyMapLayer(IAnnotation2DMapLayer* layer) = 0;
    // A new hidden object without layer or feature.
    virtual IAnnotation2DObject* CreateObject() = 0;
    // Frees the object and the feature it owns; it disappears from the view.
    virtual void DestroyObject(IAnnotation2DObject* object) = 0;
    // Centres the map view on the centre of the object's bounding box at zoom level (0..22).
    // Nothing happens for an object without points.
    virtual void FocusObject(IAnnotation2DObject* object, int level) = 0;

    // The object whose graphics item has that id, or null.
    virtual IAnnotation2DObject* FindObject(int graphicsItemId) const = 0;
    virtual int GetObjectCount() const = 0;
};

// The process-wide 2D annotation module, created on first call.
OVPLATFORM_EXPORT IAnnotation2DModule* GetOrCreateAnnotation2DModule();
