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
    // Any scale below 0.001 counts as unset, any width but 1.
    CICD_ICON_STYLE icon, big;
    icon.scale = 0.0009f;
    big.scale = 0.001f;
    CICD_LABEL_STYLE label;
    label.scale = -2.0f;
    CICD_LINE_STYLE line;
    line.width = 1.0001f;
    EXPECT_TRUE(icon.isEmpty() && !big.isEmpty() && label.isEmpty() && !line.isEmpty());

    CICD_PLACEMARK onlyStyleUrl;
    onlyStyleUrl.styleUrl = "#s";
    EXPECT_TRUE(onlyStyleUrl.isEmpty());

    // A document is never empty, nor a list with an empty item.
    CICD_KML kml;
    kml.placemarks.resize(3);
    EXPECT_TRUE(kml.isEmpty());
    kml.documents.resize(1);
    ICD_MULTIGEOMETRY multi;
    multi.points.resize(1);
    EXPECT_FALSE(kml.isEmpty() || multi.isEmpty());
}
