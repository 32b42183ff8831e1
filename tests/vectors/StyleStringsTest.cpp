#include "OvCoordSystem/vectors/FeatureStyleData.h"
#include "OvCoordSystem/vectors/StyleStrings_p.h"
#include "OvCoordSystem/vectors/VCTGeometry.h"

#include <gtest/gtest.h>

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

TEST(StyleStrings, PointsGetALabelOrAPen)
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
}

TEST(StyleStrings, LabelSizesAreDegreesForGeographicTargets)
{
    // 12 pt over the metres per degree 111322.22222222222; the flagged size 40000 likewise.
    const struct
    {
        int target;
        bool flagged;
        const char* size;
    } rows[] = {
        { 3, false, "s:0.000107795" },
        { 13, false, "s:0.000107795" },
        { 15, true, "s:0.359317" },
        { 8, false, "s:0.000107795" },
        { 4, false, "s:12" },
        { 16, true, "s:40000" },
        { 0, false, "s:12" },
        { 17, false, "s:12" },
    };
    for (const auto& row : rows) {
        FeatureStyleData style = labelled(QStringLiteral("x"));
        style.flag1 = row.flagged;
        EXPECT_NE(styleOf(style, VCTGeometry::KindPoint, "KML", row.target).find(row.size),
            std::string::npos)
            << row.target << " " << styleOf(style, VCTGeometry::KindPoint, "KML", row.target);
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
    const struct
    {
        double width;
        double lineweight;
    } rows[] = {
        { 0.43, 0.0 }, // 9.89 -> 9 / 10 = 0
        { 0.44, 0.05 }, // 10.12 -> 1
        { 5.0, 0.5 }, // 115 / 10 = 11
        { 240.0 / 23.0, 2.11 }, // past the last entry (23): the heaviest
        { -3.0, 0.0 },
    };
    for (const auto& row : rows)
        EXPECT_EQ(dxfLineweight(row.width), row.lineweight) << row.width;
}

} // namespace
