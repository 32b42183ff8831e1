#include "OvCoordSystem/host/map/IOvMapEventHandler.h"
#include "OvCoordSystem/host/map/IOvMapModule.h"
#include "OvCoordSystem/host/map/IOvTileMapLayer.h"

// Out-of-line destructors: one home for each interface's type information.
IOvMapLayer::~IOvMapLayer() = default;
IOvTileMapLayer::~IOvTileMapLayer() = default;
IOvMapModule::~IOvMapModule() = default;
IOvMapEventHandler::~IOvMapEventHandler() = default;

bool IOvMapEventHandler::OnMousePressEvent(QMouseEvent*)
{
    return false;
}

bool IOvMapEventHandler::OnMouseMoveEvent(QMouseEvent*)
{
    return false;
}

bool IOvMapEventHandler::OnMouseReleaseEvent(QMouseEvent*)
{
    return false;
}

bool IOvMapEventHandler::OnMouseDoubleClickEvent(QMouseEvent*)
{
    return false;
}

bool IOvMapEventHandler::OnWheelEvent(QWheelEvent*)
{
    return false;
}

bool IOvMapEventHandler::OnKeyPressEvent(QKeyEvent*)
{
    return false;
}
