#pragma once

#include "OvCoordSystem/OvPlatformGlobal.h"

#include <string>
#include <vector>

class IAnnotation2DMapLayer;
class IOvSceneItem;

// Widgets placed in the map view's scene. The module owns the scene items.
class OVPLATFORM_EXPORT IOvGraphicsModule
{
public:
    virtual ~IOvGraphicsModule();

    // Frees the item and its widget; null or an unknown item is ignored.
    virtual void RemoveSceneItem(IOvSceneItem* item) = 0;
    // A new hidden scene item named name (GB18030) above layer's objects (z-order + 1 until
    // SetZValue); layer may be null.
    virtual IOvSceneItem* CreateSceneItem(const std::string& name, IAnnotation2DMapLayer* layer)
        = 0;
    // The item follows the annotation objects with those graphics item ids: when their geometry
    // changes it moves with the anchor of the first of them (IAnnotationFeature::GetAnchor),
    // keeping its pixel offset from it; it is shown when one of them is shown and hidden when
    // all are hidden or destroyed. An empty list unbinds it.
    virtual void BindSceneItem(IOvSceneItem* item, const std::vector<int>& ids) = 0;

    virtual int GetSceneItemCount() const = 0;
};

// The process-wide graphics module, created on first call.
OVPLATFORM_EXPORT IOvGraphicsModule* GetGlobalOvGraphicsModule();
