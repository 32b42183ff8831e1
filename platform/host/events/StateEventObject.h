#pragma once

#include "OvCoordSystem/host/events/EventObject.h"

// State types of the host's state events.
enum E_STATE_EVENT_TYPE
{
    STATE_TYPE_MAP_VIEW = 1622 // the map view; event codes in E_MAP_VIEW_EVENT
};

// Event codes of STATE_TYPE_MAP_VIEW.
enum E_MAP_VIEW_EVENT
{
    MAP_VIEW_EVENT_CHANGED = 2 // centre, zoom level or size of the view changed
};

// A change of state of one of the host's modules: what changed (the state type) and how (the
// event code).
class OVPLATFORM_EXPORT CStateEventObject : public CEventObject
{
public:
    CStateEventObject(int stateType, int eventCode);
    ~CStateEventObject() override;

    int GetStateType() const { return m_stateType; }

private:
    int m_stateType;
};
