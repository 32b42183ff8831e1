#pragma once

#include "OvCoordSystem/host/annotation/FeatureStyle.h"

#include <QColor>

// The object's name drawn beside it: text colour, halo colour and point size.
class OVPLATFORM_EXPORT CFeatureLabelStyle : public CFeatureStyle
{
public:
    E_FEATURE_STYLE_TYPE GetStyleType() const override;

    void SetForegroundColor(const QColor& color);
    QColor GetForegroundColor() const { return m_foreground; }
    void SetOutLineColor(const QColor& color);
    QColor GetOutLineColor() const { return m_outline; }
    void SetFontSize(int pointSize);
    int GetFontSize() const { return m_fontSize; }

private:
    QColor m_foreground = QColor(0, 0, 0, 255);
    QColor m_outline = QColor(255, 255, 255, 255);
    int m_fontSize = 10;
};
