#pragma once

#include "OvCoordSystem/host/annotation/FeatureStyle.h"

#include <QColor>

// The fill of areas: the background colour fills the area evenly, the foreground colour draws
// the pattern (diagonal hatching unless set otherwise) over it.
class OVPLATFORM_EXPORT CFeatureBrushStyle : public CFeatureStyle
{
public:
    E_FEATURE_STYLE_TYPE GetStyleType() const override;

    void SetForegroundColor(const QColor& color);
    QColor GetForegroundColor() const { return m_foreground; }
    void SetBackgroundColor(const QColor& color);
    QColor GetBackgroundColor() const { return m_background; }
    // A Qt::BrushStyle for the foreground; Qt::NoBrush draws the background only.
    void SetPattern(int brushStyle);
    int GetPattern() const { return m_pattern; }

private:
    QColor m_foreground = QColor(0, 0, 0, 0);
    QColor m_background = QColor(0, 0, 0, 0);
    int m_pattern = 13; // Qt::BDiagPattern
};
