#pragma once

#include "OvCoordSystem/OvPlatformGlobal.h"

class QKeyEvent;
class QMouseEvent;
class QWheelEvent;

// Receives the input events of the map view before the view itself. Each operation returns true
// when it handled the event, which then neither reaches later handlers nor pans or zooms the
// view; the defaults handle nothing. Positions in the events are view pixels.
class OVPLATFORM_EXPORT IOvMapEventHandler
{
public:
    virtual ~IOvMapEventHandler();
    virtual bool OnMousePressEvent(QMouseEvent* event);
    virtual bool OnMouseMoveEvent(QMouseEvent* event);
    virtual bool OnMouseReleaseEvent(QMouseEvent* event);
    virtual bool OnMouseDoubleClickEvent(QMouseEvent* event);
    virtual bool OnWheelEvent(QWheelEvent* event);
    virtual bool OnKeyPressEvent(QKeyEvent* event);
};
