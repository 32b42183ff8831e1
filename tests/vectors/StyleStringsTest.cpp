#include "OvCoordSystem/vectors/FeatureStyleData.h"
#include "OvCoordSystem/vectors/StyleStrings_p.h"
#include "OvCoordSystem/vectors/VCTGeometry.h"

#include <gtest/gtest.h>

#include <tuple>

using namespace vectors;

namespace {

FeatureStyleData labelled(const QString& text)
{
    FeatureStyleData style;
    style.text = text;
    style.labelFont = QFont(QStringLiteral("SimSun"));
    style.labelFont.setPointSizeF(12.0);
    style.labelColor = QColor(255, 0, 0, 128);
    style.penColor = QColor(0, 0, 255);
    return style;
}

std::string styleOf(const FeatureStyleData& style, int kind, const char* suffix, int target = 17)
{
    return ogrStyleString(style, kind, QString::fromLatin1(suffix), target).toStdString();
}

TEST(StyleStrings, PointsGetALabelSizedInDegreesForGeographicTargetsOrAPen)
{
    FeatureStyleData style = labelled(QStringLiteral("天安门"));
    EXPECT_EQ(styleOf(style, VCTGeometry::KindPoint, "SHP"),
        "LABEL(t:天安门,bo:false,it:false,s:12,f:SimSun,c:#ff000080)");
    style.labelFont.setBold(true);
    style.labelFont.setItalic(true);
    EXPECT_EQ(styleOf(style, VCTGeometry::KindMultiPoint, "DXF"),
        "LABEL(t:天安门,bo:true,it:true,s:12,f:SimSun,c:#ff000080)");
    // Texts that would break the parameter list are quoted.
    style.text = QStringLiteral("a,b\"c");
    EXPECT_EQ(styleOf(style, VCTGeometry::KindPoint, "SHP"),
        "LABEL(t:\"a,b\\\"c\",bo:true,it:true,s:12,f:SimSun,c:#ff000080)");
    EXPECT_EQ(styleOf(labelled(QString()), VCTGeometry::KindPoint, "SHP"), "PEN(c:#0000ffff)");
    EXPECT_EQ(styleOf(FeatureStyleData(), VCTGeometry::KindPoint, "SHP"), "PEN()");

    // Label sizes are degrees for geographic targets: 12 pt over the metres per degree
    // 111322.22222222222; the flagged size 40000 likewise.
    for (const auto& [target, flagged, size] :
        { std::tuple { 3, false, "s:0.000107795" }, { 13, false, "s:0.000107795" },
            { 15, true, "s:0.359317" }, { 8, false, "s:0.000107795" }, { 4, false, "s:12" },
            { 16, true, "s:40000" }, { 0, false, "s:12" }, { 17, false, "s:12" } }) {
        FeatureStyleData style = labelled(QStringLiteral("x"));
        style.flag1 = flagged;
        const std::string text = styleOf(style, VCTGeometry::KindPoint, "KML", target);
        EXPECT_NE(text.find(size), std::string::npos) << target << " " << text;
    }
}

TEST(StyleStrings, LinesAndPolygonsTakeTheUnitOfTheFormat)
{
    FeatureStyleData style;
    style.penColor = QColor(1, 2, 3);
    style.penWidth = 2.0f;
    style.fillColor = QColor(0, 255, 0, 64);
    EXPECT_EQ(styleOf(style, VCTGeometry::KindLineString, "KMZ"), "PEN(w:2px,c:#010203ff)");
    EXPECT_EQ(styleOf(style, VCTGeometry::KindMultiLineString, "SHP"), "PEN(w:2,c:#010203ff)");
    // 2.0 x 23 = 46, / 10 = entry 4 of the lineweights: 0.15 mm.
    EXPECT_EQ(styleOf(style, VCTGeometry::KindLineString, "DXF"), "PEN(w:0.15g,c:#010203ff)");
    EXPECT_EQ(styleOf(style, VCTGeometry::KindPolygon, "KML"),
        "PEN(w:2px,c:#010203ff);BRUSH(fc:#00ff0040)");
    style.fillColor2 = QColor(255, 255, 255);
    EXPECT_EQ(styleOf(style, VCTGeometry::KindMultiPolygon, "GEOJSON"),
        "PEN(w:2,c:#010203ff);BRUSH(fc:#00ff0040,bc:#ffffffff)");
    // MapInfo reads the hex digits as one number: no alpha there.
    EXPECT_EQ(styleOf(style, VCTGeometry::KindPolygon, "TAB"),
        "PEN(w:2,c:#010203);BRUSH(fc:#00ff00,bc:#ffffff)");
    EXPECT_EQ(styleOf(style, VCTGeometry::KindGeometryCollection, "SHP"), "");
}

TEST(StyleStrings, DxfLineweightsFromPenWidths)
{
    // Width x 23, truncated, / 10 is the entry: 9.89 -> 0, 10.12 -> 1, 115 -> 11; past the last
    // entry (23) the heaviest.
    for (const auto& [width, lineweight] : { std::pair { 0.43, 0.0 }, { 0.44, 0.05 }, { 5.0, 0.5 },
             { 240.0 / 23.0, 2.11 }, { -3.0, 0.0 } })
        EXPECT_EQ(dxfLineweight(width), lineweight) << width;
}

} // namespace
