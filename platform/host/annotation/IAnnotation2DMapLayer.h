#pragma once

#include "OvCoordSystem/OvPlatformGlobal.h"

#include <string>

// A layer of 2D annotation objects on the map view. Settings made through the setters take
// effect on Commit; SetZOrder at once.
class OVPLATFORM_EXPORT IAnnotation2DMapLayer
{
public:
    virtual ~IAnnotation2DMapLayer();

    // Zoom levels at which the layer's objects are drawn: from min to max inclusive
    // (defaults 0 and 22).
    virtual void SetMaxDisplayLevel(int level) = 0;
    virtual void SetMinDisplayLevel(int level) = 0;
    // Zoom levels at which the objects' labels are drawn (defaults 0 and 22).
    virtual void SetMaxLabelLevel(int level) = 0;
    virtual void SetMinLabelLevel(int level) = 0;
    // The layer's objects are drawn (default true).
    virtual void SetVisible(bool visible) = 0;
    // Their labels are drawn (default true).
    virtual void SetLabelVisible(bool visible) = 0;
    // The objects' icons keep their pixel size (default true); false scales them with the zoom.
    virtual void SetIconFixedSize(bool fixed) = 0;
    // Stacking of the layer's objects over the base map (higher is above; base map below 0).
    virtual void SetZOrder(int zOrder) = 0;
    virtual int GetZOrder() const = 0;
    // Applies the settings and redraws the layer's objects.
    virtual void Commit() = 0;

    virtual std::string GetName() const = 0;
    virtual bool IsVisible() const = 0;
    virtual bool IsIconFixedSize() const = 0;
};
