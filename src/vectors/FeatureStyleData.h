#pragma once

#include <QColor>
#include <QFont>
#include <QString>

#include <tuple>

// The drawing style of a layer or a feature. The writer streams turn it into OGR style strings
// and KML styles; the fields marked "passed along" are handed to them unchanged.
struct FeatureStyleData
{
    QColor penColor; // line and outline colour
    QColor fillColor; // polygon fill colour
    QColor fillColor2; // second fill colour, passed along
    QString text; // label text, passed along
    QFont labelFont; // label font; its point size sets the KML label scale
    int labelSwitch = 0; // passed along
    QColor labelColor; // label text colour
    int outlineSwitch = 0; // passed along
    QColor labelOutlineColor; // label outline colour
    QString text2; // passed along
    QColor iconColor; // point symbol colour
    bool flag1 = false; // passed along; a point label's size becomes 40000 when set
    bool flag2 = false; // passed along
    float scale = 1.0f; // passed along
    float penWidth = 1.0f; // line width

    // Every field, in order: equality is defined on this list, so a field added above must be
    // added here as well.
    auto fields() const
    {
        return std::tie(penColor, fillColor, fillColor2, text, labelFont, labelSwitch, labelColor,
            outlineSwitch, labelOutlineColor, text2, iconColor, flag1, flag2, scale, penWidth);
    }
    bool operator==(const FeatureStyleData& other) const { return fields() == other.fields(); }
    bool operator!=(const FeatureStyleData& other) const { return !(*this == other); }
};
