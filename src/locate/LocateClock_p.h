#pragma once

#include <QDateTime>

#include <functional>

// The clock of the locator's share limit, replaceable so that tests need not wait minutes.
namespace locateclock {

QDateTime now();
// Installs CLOCK in place of the system clock; an empty function restores it.
void setClock(std::function<QDateTime()> clock);

} // namespace locateclock
