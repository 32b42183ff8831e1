// What the KML classes write (defaults left out) and when they count as empty.
#include "KmlTestSupport.h"

#include <gtest/gtest.h>

namespace {

const std::string kDeclaration = "<?xml version=\"1.0\" encoding=\"UTF-8\" ?>\n";

} // namespace

TEST(KmlModel, StylesLeaveDefaultsOut)
{
    CICD_STYLE style;
    style.lineStyle.width = 1.0f;
    EXPECT_TRUE(style.isEmpty());
    EXPECT_EQ(saveToString(style), kDeclaration + "<Style />\n");

    style.lineStyle.width = 2.0f;
    EXPECT_EQ(saveToString(style),
        kDeclaration
            + "<Style>\n    <LineStyle>\n        <width>2.000000</width>\n"
              "    </LineStyle>\n</Style>\n");

    CICD_STYLE withHotSpot;
    withHotSpot.id = "s";
    withHotSpot.iconStyle.hotSpot.y = 0.5;
    EXPECT_EQ(saveToString(withHotSpot),
        kDeclaration
            + "<Style id=\"s\">\n    <IconStyle>\n        <hotSpot y=\"0.500000000\" />\n"
              "    </IconStyle>\n</Style>\n");
}

TEST(KmlModel, IsEmptyFollowsEachClassRule)
{
    CICD_ICON_STYLE icon;
    icon.scale = 0.0009f;
    EXPECT_TRUE(icon.isEmpty());
    icon.scale = 0.001f;
    EXPECT_FALSE(icon.isEmpty());
    CICD_LABEL_STYLE label;
    label.scale = -2.0f; // any scale below 0.001 counts as unset
    EXPECT_TRUE(label.isEmpty());
    CICD_LINE_STYLE line;
    line.width = 1.0001f;
    EXPECT_FALSE(line.isEmpty());

    CICD_PLACEMARK onlyStyleUrl;
    onlyStyleUrl.styleUrl = "#s";
    EXPECT_TRUE(onlyStyleUrl.isEmpty());

    CICD_KML kml;
    kml.placemarks.resize(3);
    EXPECT_TRUE(kml.isEmpty());
    kml.documents.resize(1); // a document is never empty
    EXPECT_FALSE(kml.isEmpty());
    ICD_MULTIGEOMETRY multi;
    multi.points.resize(1); // a list with an empty item is not empty
    EXPECT_FALSE(multi.isEmpty());
}
