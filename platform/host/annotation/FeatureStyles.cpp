#include "OvCoordSystem/host/annotation/FeatureBrushStyle.h"
#include "OvCoordSystem/host/annotation/FeatureIconStyle.h"
#include "OvCoordSystem/host/annotation/FeatureLabelStyle.h"
#include "OvCoordSystem/host/annotation/FeaturePenStyle.h"

CFeatureStyle::~CFeatureStyle() = default;

E_FEATURE_STYLE_TYPE CFeaturePenStyle::GetStyleType() const
{
    return FEATURE_STYLE_PEN;
}

void CFeaturePenStyle::SetWidth(double width)
{
    if (width >= 0) m_width = width;
}

void CFeaturePenStyle::SetColor(const QColor& color)
{
    m_color = color;
}

E_FEATURE_STYLE_TYPE CFeatureBrushStyle::GetStyleType() const
{
    return FEATURE_STYLE_BRUSH;
}

void CFeatureBrushStyle::SetForegroundColor(const QColor& color)
{
    m_foreground = color;
}

void CFeatureBrushStyle::SetBackgroundColor(const QColor& color)
{
    m_background = color;
}

void CFeatureBrushStyle::SetPattern(int brushStyle)
{
    if (brushStyle >= Qt::NoBrush && brushStyle <= Qt::DiagCrossPattern) m_pattern = brushStyle;
}

E_FEATURE_STYLE_TYPE CFeatureLabelStyle::GetStyleType() const
{
    return FEATURE_STYLE_LABEL;
}

void CFeatureLabelStyle::SetForegroundColor(const QColor& color)
{
    m_foreground = color;
}

void CFeatureLabelStyle::SetOutLineColor(const QColor& color)
{
    m_outline = color;
}

void CFeatureLabelStyle::SetFontSize(int pointSize)
{
    if (pointSize > 0) m_fontSize = pointSize;
}

E_FEATURE_STYLE_TYPE CFeatureIconStyle::GetStyleType() const
{
    return FEATURE_STYLE_ICON;
}

void CFeatureIconStyle::SetIconUrl(const std::string& url)
{
    m_url = url;
}
