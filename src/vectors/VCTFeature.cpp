#include "OvCoordSystem/vectors/VCTFeature.h"

#include "OvCoordSystem/vectors/VCTGeometryFactory.h"

#include <utility>

namespace vectors {

VCTFeature::VCTFeature(VCTGeometry* geometry)
    : m_geometry(geometry)
{ }

VCTFeature::~VCTFeature()
{
    releaseVctGeometry(m_geometry);
}

VCTFeature::VCTFeature(VCTFeature&& other) noexcept
    : name(std::move(other.name))
    , remark(std::move(other.remark))
    , m_geometry(std::exchange(other.m_geometry, nullptr))
    , m_attributes(std::move(other.m_attributes))
    , m_style(std::move(other.m_style))
    , m_hasStyle(other.m_hasStyle)
{ }

VCTFeature& VCTFeature::operator=(VCTFeature&& other) noexcept
{
    if (this != &other) {
        setGeometry(std::exchange(other.m_geometry, nullptr));
        name = std::move(other.name);
        remark = std::move(other.remark);
        m_attributes = std::move(other.m_attributes);
        m_style = std::move(other.m_style);
        m_hasStyle = other.m_hasStyle;
    }
    return *this;
}

void VCTFeature::setGeometry(VCTGeometry* geometry)
{
    if (geometry == m_geometry) return;
    releaseVctGeometry(m_geometry);
    m_geometry = geometry;
}

void VCTFeature::setStyle(const FeatureStyleData& style)
{
    m_style = style;
    m_hasStyle = true;
}

void VCTFeature::clearStyle()
{
    m_style = FeatureStyleData();
    m_hasStyle = false;
}

} // namespace vectors
