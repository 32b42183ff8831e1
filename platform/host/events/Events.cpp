#include "OvCoordSystem/host/events/EventObject.h"
#include "OvCoordSystem/host/events/StateEventObject.h"
#include "OvCoordSystem/host/events/StateEventObserver.h"
#include "OvCoordSystem/host/events/StateEventSubject.h"

#include <algorithm>

CEventObject::CEventObject(int eventCode)
    : m_eventCode(eventCode)
{ }

CEventObject::~CEventObject() = default;

CStateEventObject::CStateEventObject(int stateType, int eventCode)
    : CEventObject(eventCode)
    , m_stateType(stateType)
{ }

CStateEventObject::~CStateEventObject() = default;

IStateEventObserver::~IStateEventObserver() = default;

CStateEventSubject::CStateEventSubject() = default;

CStateEventSubject::~CStateEventSubject() = default;

void CStateEventSubject::AddObserver(IStateEventObserver* observer)
{
    if (observer && !HasObserver(observer)) m_observers.push_back(observer);
}

void CStateEventSubject::RemoveObserver(IStateEventObserver* observer)
{
    m_observers.erase(
        std::remove(m_observers.begin(), m_observers.end(), observer), m_observers.end());
}

bool CStateEventSubject::HasObserver(IStateEventObserver* observer) const
{
    return std::find(m_observers.begin(), m_observers.end(), observer) != m_observers.end();
}

void CStateEventSubject::Notify(const CStateEventObject& event)
{
    // A copy, because observers may change the list; each is checked again before its call.
    const std::vector<IStateEventObserver*> observers = m_observers;
    for (IStateEventObserver* observer : observers)
        if (HasObserver(observer)) observer->OnStateChanged(event);
}
