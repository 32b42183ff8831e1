#pragma once

#include "OvCoordSystem/OvPlatformGlobal.h"

#include <string>
#include <vector>

class CFeatureStyle;
class CGeometryData;
class CVector3D;

// Kinds of annotation feature (IAnnotation2DObject::CreateFeature, IAnnotationModule).
enum E_ANNOTATION_FEATURE_KIND
{
    ANNOTATION_FEATURE_POINT = 1, // one point drawn with its icon
    ANNOTATION_FEATURE_RANGE = 3, // polygon rings, one per part
    ANNOTATION_FEATURE_EXTENT = 5 // a rectangle: the box of its points, in any order
};

// The data of an annotation object: its geometry parts and its styles. A feature owns its
// styles; whoever owns the feature deletes it (virtual destructor).
class OVPLATFORM_EXPORT IAnnotationFeature
{
public:
    virtual ~IAnnotationFeature();

    // Appends a copy of the part.
    virtual void AddGeometry(const CGeometryData& geometry) = 0;
    virtual void ClearGeometry() = 0;
    virtual int GetGeometryCount() const = 0;
    // Copies part index into geometry; false (geometry untouched) for an index out of range.
    virtual bool GetGeometry(CGeometryData& geometry, int index) const = 0;
    // The point to attach things to: the middle of the bottom edge of the parts' bounding box
    // (the point itself for a single point). False (anchor untouched) without points.
    virtual bool GetAnchor(CVector3D& anchor) const = 0;
    // The styles in order; the feature keeps ownership.
    virtual std::vector<CFeatureStyle*> GetStyles() const = 0;

    // E_ANNOTATION_FEATURE_KIND
    virtual int GetKind() const = 0;
    // Name given at creation, GB18030.
    virtual std::string GetName() const = 0;
    // Appends a style; the feature takes ownership. Null is ignored.
    virtual void AddStyle(CFeatureStyle* style) = 0;
    // The first style of that kind, or null.
    virtual CFeatureStyle* FindStyle(int styleType) const = 0;
};
