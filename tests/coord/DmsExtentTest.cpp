#include "OvCoordSystem/coord/DmsExtent.h"

#include <gtest/gtest.h>

namespace {
QString u(const char* utf8)
{
    return QString::fromUtf8(utf8);
}

// An extent from (100, 20) to (120, 40).
CDmsExtent box()
{
    CDmsExtent extent;
    extent.SetMaxPointF(QPointF(120.0, 40.0));
    extent.SetMinPointF(QPointF(100.0, 20.0));
    return extent;
}
} // namespace

TEST(DmsExtent, ValidityNeedsOrderedCornersWithinBounds)
{
    EXPECT_TRUE(box().IsValid());
    CDmsExtent extent = box();
    extent.SetMinPointF(QPointF(121.0, 20.0)); // east of the maximum
    EXPECT_FALSE(extent.IsValid());
    extent = box();
    extent.SetMaxPointF(QPointF(120.0, 90.5));
    EXPECT_FALSE(extent.IsValid());
    extent.SetMaxPointF(QPointF(180.0, 90.0));
    extent.SetMinPointF(QPointF(-180.0, -90.0));
    EXPECT_TRUE(extent.IsValid());
    extent.SetMinPointF(QPointF(-180.0, qQNaN()));
    EXPECT_FALSE(extent.IsValid());
}

TEST(DmsExtent, ReadsCornersInEveryFormat)
{
    const struct
    {
        E_DEGREE_FOARMAT format;
        const char* corner;
    } cases[] = { { DEGREE_DECIMAL, "110.5,30.25" }, { DEGREE_PACKED, "110.3000,30.1500" },
        { DEGREE_SYMBOLS, "110°30′00″E,30°15′00″N" }, { DEGREE_COLONS, "110:30,30：15：00" } };
    for (const auto& c : cases) {
        CDmsExtent extent = box();
        EXPECT_TRUE(extent.FromMinPointF(u(c.corner), c.format, false)) << c.corner;
        EXPECT_EQ(extent.GetMinPointF(), QPointF(110.5, 30.25)) << c.corner;
        extent = box();
        EXPECT_TRUE(extent.FromMaxPointF(u(c.corner), c.format, false)) << c.corner;
        EXPECT_EQ(extent.GetMaxPointF(), QPointF(110.5, 30.25)) << c.corner;
    }
}

TEST(DmsExtent, CornerBeyondTheOtherFailsUnlessStoredFirst)
{
    CDmsExtent extent = box();
    EXPECT_FALSE(extent.FromMinPointF(u("121,30"), DEGREE_DECIMAL, false)); // east of max
    EXPECT_FALSE(extent.FromMinPointF(u("110,41"), DEGREE_DECIMAL, false)); // north of max
    EXPECT_EQ(extent.GetMinPointF(), QPointF(100.0, 20.0));
    EXPECT_FALSE(extent.FromMaxPointF(u("99,30"), DEGREE_DECIMAL, false)); // west of min
    EXPECT_FALSE(extent.FromMaxPointF(u("110,19.5"), DEGREE_DECIMAL, false)); // south of min
    EXPECT_EQ(extent.GetMaxPointF(), QPointF(120.0, 40.0));

    EXPECT_FALSE(extent.FromMinPointF(u("121,30"), DEGREE_DECIMAL, true));
    EXPECT_EQ(extent.GetMinPointF(), QPointF(121.0, 30.0));
    EXPECT_FALSE(extent.FromMaxPointF(u("99°30′,30"), DEGREE_SYMBOLS, true));
    EXPECT_EQ(extent.GetMaxPointF(), QPointF(99.5, 30.0));

    // Corners equal to the other corner are accepted.
    extent = box();
    EXPECT_TRUE(extent.FromMinPointF(u("120,40"), DEGREE_DECIMAL, false));
}

TEST(DmsExtent, BadCornerTextLeavesTheCorner)
{
    const char* corners[] = { "110.5", "110.5,30,1", ",", "110.5,", "181,30", "110,91",
        "110.5, 30.25", "abc,def", "110.6130,30" };
    for (const char* corner : corners) {
        for (const bool storeFirst : { false, true }) {
            CDmsExtent extent = box();
            EXPECT_FALSE(extent.FromMinPointF(u(corner), DEGREE_PACKED, storeFirst)) << corner;
            EXPECT_FALSE(extent.FromMaxPointF(u(corner), DEGREE_PACKED, storeFirst)) << corner;
            EXPECT_EQ(extent.GetMinPointF(), QPointF(100.0, 20.0)) << corner;
            EXPECT_EQ(extent.GetMaxPointF(), QPointF(120.0, 40.0)) << corner;
        }
    }
}

TEST(DmsExtent, WritesCornersInEveryFormat)
{
    CDmsExtent extent;
    extent.SetMinPointF(QPointF(116.5, 39.75));
    extent.SetMaxPointF(QPointF(-0.5, -33.8688));
    EXPECT_EQ(extent.ToMinPointF(DEGREE_DECIMAL), u("116.5,39.75"));
    EXPECT_EQ(extent.ToMinPointF(DEGREE_PACKED), u("116.3000,39.4500"));
    EXPECT_EQ(extent.ToMinPointF(DEGREE_SYMBOLS), u("116°30′00″,39°45′00″"));
    EXPECT_EQ(extent.ToMinPointF(DEGREE_COLONS), u("116:30:00,39:45:00"));
    // 33.8688° = 33°52′07.68″
    EXPECT_EQ(extent.ToMaxPointF(DEGREE_SYMBOLS), u("-0°30′00″,-33°52′07.68″"));
}

TEST(DmsExtent, ConvertCorrectsTheSourceFormat)
{
    const CDmsExtent extent;
    E_DEGREE_FOARMAT source = DEGREE_DECIMAL;
    EXPECT_EQ(
        extent.DmsConvert(u("120:30:00,30:15:00"), source, DEGREE_COLONS), u("120:30:00,30:15:00"));
    EXPECT_EQ(source, DEGREE_COLONS);

    source = DEGREE_PACKED;
    EXPECT_EQ(extent.DmsConvert(u("120°30′,30°15′"), source, DEGREE_DECIMAL), u("120.5,30.25"));
    EXPECT_EQ(source, DEGREE_SYMBOLS);

    source = DEGREE_DECIMAL; // the colon test comes second and wins over "°"
    EXPECT_EQ(extent.DmsConvert(u("120°:30,30"), source, DEGREE_DECIMAL), u("120.5,30"));
    EXPECT_EQ(source, DEGREE_COLONS);

    source = DEGREE_DECIMAL;
    EXPECT_EQ(extent.DmsConvert(u("116.5,-39.75"), source, DEGREE_PACKED), u("116.3000,-39.4500"));
    EXPECT_EQ(source, DEGREE_DECIMAL);
    EXPECT_EQ(extent.DmsConvert(u("1,2,3"), source, DEGREE_PACKED), QString());
    EXPECT_EQ(extent.DmsConvert(u("116.5"), source, DEGREE_PACKED), QString());
    // Same formats: the text comes back as it is, even when it is no corner.
    EXPECT_EQ(extent.DmsConvert(u("1,2,3"), source, DEGREE_DECIMAL), u("1,2,3"));
}
