#pragma once

#include "OvCoordSystem/OvPlatformGlobal.h"

#include <string>

class IAnnotationFeature;

// Makes the annotation data objects: features.
class OVPLATFORM_EXPORT IAnnotationModule
{
public:
    virtual ~IAnnotationModule();

    // A new feature of kind (E_ANNOTATION_FEATURE_KIND) named name (GB18030), without parts,
    // carrying one pen, one brush, one label and one icon style with default values. The caller
    // owns it (or hands it to an object with SetFeature(feature, true)). Null for an unknown kind.
    virtual IAnnotationFeature* CreateFeature(int kind, const std::string& name) = 0;
    // Deletes a feature owned by the caller; null is ignored.
    virtual void DestroyFeature(IAnnotationFeature* feature) = 0;
};

// The process-wide annotation module, created on first call.
OVPLATFORM_EXPORT IAnnotationModule* GetOrCreateAnnotationModule();
