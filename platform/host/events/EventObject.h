#pragma once

#include "OvCoordSystem/OvPlatformGlobal.h"

// An event the host tells its observers about, identified by an event code.
class OVPLATFORM_EXPORT CEventObject
{
public:
    explicit CEventObject(int eventCode);
    virtual ~CEventObject();

    int GetEventCode() const { return m_eventCode; }

private:
    int m_eventCode;
};
