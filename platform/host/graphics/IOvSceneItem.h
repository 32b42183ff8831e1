#pragma once

#include "OvCoordSystem/host/graphics/IOvGraphicsItem.h"

#include <string>

class CVector3D;
class QWidget;

// A widget shown in the map view at a map position; its top-left corner sits on the position.
// Made and removed only by IOvGraphicsModule.
class OVPLATFORM_EXPORT IOvSceneItem : public IOvGraphicsItem
{
public:
    ~IOvSceneItem() override;

    // Stacking among the scene's items (annotation objects are drawn at their layer's z-order).
    virtual void SetZValue(int z) = 0;
    // True (default): the same pixel size at every zoom level; false: the size scales with the
    // zoom level, relative to the level at which this was called.
    virtual void SetScreenFixed(bool fixed) = 0;
    // Items start hidden.
    virtual void SetVisible(bool visible) = 0;
    // Map position (x longitude, y latitude, degrees).
    virtual void SetPosition(const CVector3D& position) = 0;
    // Size in pixels at the reference zoom level.
    virtual void SetSize(int width, int height) = 0;
    // The widget shown; the item takes ownership (deleted with the item or when replaced).
    // Null removes the widget.
    virtual void SetWidget(QWidget* widget) = 0;

    virtual std::string GetName() const = 0;
    virtual QWidget* GetWidget() const = 0;
    virtual bool IsVisible() const = 0;
    virtual CVector3D GetPosition() const = 0;
    // The item's rectangle in view pixels, as it is drawn now (empty while hidden).
    virtual void GetScreenRect(int& x, int& y, int& width, int& height) const = 0;
};
