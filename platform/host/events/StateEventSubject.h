#pragma once

#include "OvCoordSystem/OvPlatformGlobal.h"

#include <vector>

class CStateEventObject;
class IStateEventObserver;

// The list of observers of a host module's state. It does not own the observers.
class OVPLATFORM_EXPORT CStateEventSubject
{
public:
    CStateEventSubject();
    ~CStateEventSubject();
    CStateEventSubject(const CStateEventSubject&) = delete;
    CStateEventSubject& operator=(const CStateEventSubject&) = delete;

    // Attaching an observer twice keeps one entry; null is ignored.
    void AddObserver(IStateEventObserver* observer);
    void RemoveObserver(IStateEventObserver* observer);
    bool HasObserver(IStateEventObserver* observer) const;

    // Calls every attached observer once, in the order of attachment. An observer detached by
    // an earlier one during this call is not called; one attached during it is called from the
    // next event on.
    void Notify(const CStateEventObject& event);

private:
    std::vector<IStateEventObserver*> m_observers;
};
