#pragma once

#include "OvCoordSystem/OvPlatformGlobal.h"

class CStateEventObject;

// Receives the state events of a CStateEventSubject it is attached to.
class OVPLATFORM_EXPORT IStateEventObserver
{
public:
    virtual ~IStateEventObserver();
    // Called on the GUI thread for every event; true when the observer handled it. Observers may
    // attach or detach observers (themselves included) while being called.
    virtual bool OnStateChanged(const CStateEventObject& event) = 0;
};
