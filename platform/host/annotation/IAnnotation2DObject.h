#pragma once

#include "OvCoordSystem/OvPlatformGlobal.h"

#include <string>

class CVector3D;
class IAnnotation2DMapLayer;
class IAnnotationFeature;
class IOvGraphicsItem;

// One annotation drawn on the map view: a feature (geometry and styles) on a layer. Made and
// destroyed only by IAnnotation2DModule. Changes to the feature show after Update and Refresh.
class OVPLATFORM_EXPORT IAnnotation2DObject
{
public:
    virtual ~IAnnotation2DObject();

    // name in GB18030; it is the text of the object's label.
    virtual void SetName(const std::string& name) = 0;
    // The name as local 8-bit text.
    virtual std::string GetName() const = 0;
    // The layer whose z-order and settings the object is drawn with; null takes it off the map.
    virtual void SetMapLayer(IAnnotation2DMapLayer* layer) = 0;
    // Replaces the feature by a new empty one of kind (E_ANNOTATION_FEATURE_KIND) named name
    // (GB18030), owned by the object and carrying one style of each kind. False for an unknown
    // kind (the old feature stays).
    virtual bool CreateFeature(int kind, const std::string& name) = 0;
    // Shows feature instead of the current one (an owned current one is deleted). With
    // takeOwnership the object deletes the feature when it is replaced or the object destroyed;
    // otherwise the caller keeps it alive while set. Null removes the feature.
    virtual void SetFeature(IAnnotationFeature* feature, bool takeOwnership) = 0;
    virtual IAnnotationFeature* GetFeature() const = 0;
    // Takes the feature's current geometry and styles into the drawing.
    virtual void Prepare() = 0;
    // Reads the feature's geometry and styles again.
    virtual void Update() = 0;
    // Redraws the object on the view.
    virtual void Refresh() = 0;
    // The object's item on the map; its id is stable for the object's life and unique in the
    // process (IOvGraphicsModule::BindSceneItem takes it).
    virtual IOvGraphicsItem* GetGraphicsItem() = 0;
    // Objects start hidden.
    virtual void SetVisible(bool visible) = 0;
    // Marks the object as a located point (drawn above the other objects of its layer).
    virtual void SetPointFlag(bool isPoint) = 0;
    // The bounding box of the feature's points (x, y in degrees; z 0); false (outputs
    // untouched) without a feature or points.
    virtual bool GetBoundingBox(CVector3D& min, CVector3D& max) const = 0;

    virtual bool IsVisible() const = 0;
    virtual bool GetPointFlag() const = 0;
    virtual IAnnotation2DMapLayer* GetMapLayer() const = 0;
};
