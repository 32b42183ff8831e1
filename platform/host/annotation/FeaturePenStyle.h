#pragma once

#include "OvCoordSystem/host/annotation/FeatureStyle.h"

#include <QColor>

// The outline of areas and lines (width in pixels, colour); also the colour of the default
// point marker.
class OVPLATFORM_EXPORT CFeaturePenStyle : public CFeatureStyle
{
public:
    E_FEATURE_STYLE_TYPE GetStyleType() const override;

    void SetWidth(double width);
    double GetWidth() const { return m_width; }
    void SetColor(const QColor& color);
    QColor GetColor() const { return m_color; }

private:
    double m_width = 1.0;
    QColor m_color = QColor(0, 102, 204, 255);
};
