#include "OvCoordSystem/host/annotation/Annotation2DMapLayer_p.h"

CAnnotation2DMapLayer::CAnnotation2DMapLayer(
    const std::string& name, std::function<void(CAnnotation2DMapLayer*)> changed)
    : m_name(name)
    , m_changed(std::move(changed))
{ }

void CAnnotation2DMapLayer::SetMaxDisplayLevel(int level)
{
    m_pending.maxDisplay = level;
}

void CAnnotation2DMapLayer::SetMinDisplayLevel(int level)
{
    m_pending.minDisplay = level;
}

void CAnnotation2DMapLayer::SetMaxLabelLevel(int level)
{
    m_pending.maxLabel = level;
}

void CAnnotation2DMapLayer::SetMinLabelLevel(int level)
{
    m_pending.minLabel = level;
}

void CAnnotation2DMapLayer::SetVisible(bool visible)
{
    m_pending.visible = visible;
}

void CAnnotation2DMapLayer::SetLabelVisible(bool visible)
{
    m_pending.labelVisible = visible;
}

void CAnnotation2DMapLayer::SetIconFixedSize(bool fixed)
{
    m_pending.iconFixedSize = fixed;
}

void CAnnotation2DMapLayer::SetZOrder(int zOrder)
{
    m_zOrder = zOrder;
    m_changed(this);
}

int CAnnotation2DMapLayer::GetZOrder() const
{
    return m_zOrder;
}

void CAnnotation2DMapLayer::Commit()
{
    m_settings = m_pending;
    m_changed(this);
}

std::string CAnnotation2DMapLayer::GetName() const
{
    return m_name;
}

bool CAnnotation2DMapLayer::IsVisible() const
{
    return m_settings.visible;
}

bool CAnnotation2DMapLayer::IsIconFixedSize() const
{
    return m_settings.iconFixedSize;
}

bool CAnnotation2DMapLayer::ShowsAt(int level) const
{
    return m_settings.visible && level >= m_settings.minDisplay && level <= m_settings.maxDisplay;
}

bool CAnnotation2DMapLayer::ShowsLabelsAt(int level) const
{
    return m_settings.labelVisible && level >= m_settings.minLabel && level <= m_settings.maxLabel;
}
