#pragma once

#include "OvCoordSystem/OvPlatformGlobal.h"

#include <QVariant>

#include <string>
#include <utility>
#include <vector>

// Named values handed to a saver with its name. Names keep the order in which they were first
// set; setting a name again replaces its value in place.
class OVPLATFORM_EXPORT CPropertySetObject
{
public:
    void Clear();
    void SetProperty(const std::string& name, const QVariant& value);

    // The value of NAME; an invalid QVariant when it is not set.
    QVariant GetProperty(const std::string& name) const;
    // Every name, in the order of the first SetProperty.
    std::vector<std::string> GetPropertyNames() const;
    int Count() const;

private:
    std::vector<std::pair<std::string, QVariant>> m_properties;
};
