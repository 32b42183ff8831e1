#include "OvCoordSystem/host/export/PropertySetObject.h"

#include <algorithm>

namespace {
template <class Properties> auto findName(Properties& properties, const std::string& name)
{
    return std::find_if(properties.begin(), properties.end(),
        [&](const std::pair<std::string, QVariant>& p) { return p.first == name; });
}
} // namespace

void CPropertySetObject::Clear()
{
    m_properties.clear();
}

void CPropertySetObject::SetProperty(const std::string& name, const QVariant& value)
{
    const auto found = findName(m_properties, name);
    if (found != m_properties.end())
        found->second = value;
    else
        m_properties.emplace_back(name, value);
}

QVariant CPropertySetObject::GetProperty(const std::string& name) const
{
    const auto found = findName(m_properties, name);
    return found != m_properties.end() ? found->second : QVariant();
}

std::vector<std::string> CPropertySetObject::GetPropertyNames() const
{
    std::vector<std::string> names;
    names.reserve(m_properties.size());
    for (const auto& property : m_properties)
        names.push_back(property.first);
    return names;
}

int CPropertySetObject::Count() const
{
    return static_cast<int>(m_properties.size());
}
