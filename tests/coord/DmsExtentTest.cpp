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
    const struct
    {
        QPointF min, max;
        bool valid;
    } cases[] = { { { 100, 20 }, { 120, 40 }, true }, { { 121, 20 }, { 120, 40 }, false },
        { { -180, -90 }, { 180, 90 }, true }, { { -180, -90 }, { 180, 90.5 }, false },
        { { -180, qQNaN() }, { 180, 90 }, false } };
    for (const auto& c : cases) {
        CDmsExtent extent;
        extent.SetMinPointF(c.min);
        extent.SetMaxPointF(c.max);
        EXPECT_EQ(extent.IsValid(), c.valid) << c.min.x() << "," << c.min.y();
    }
}

TEST(DmsExtent, ReadsCornersInEveryFormatAndBadTextLeavesThem)
{
    const struct
    {
        E_DEGREE_FOARMAT format;
        const char* corner;
        bool ok;
    } cases[]
        = { { DEGREE_DECIMAL, "110.5,30.25", true }, { DEGREE_PACKED, "110.3000,30.1500", true },
              { DEGREE_SYMBOLS, "110°30′00″E,30°15′00″N", true },
              { DEGREE_COLONS, "110:30,30：15：00", true }, { DEGREE_PACKED, "110.5", false },
              { DEGREE_PACKED, "110.5,", false }, { DEGREE_PACKED, "110,91", false },
              { DEGREE_PACKED, "110.5, 30.25", false }, { DEGREE_PACKED, "110.6130,30", false } };
    for (const auto& c : cases) {
        for (const bool storeFirst : { false, true }) {
            CDmsExtent min = box(), max = box();
            EXPECT_EQ(min.FromMinPointF(u(c.corner), c.format, storeFirst), c.ok) << c.corner;
            EXPECT_EQ(max.FromMaxPointF(u(c.corner), c.format, storeFirst), c.ok) << c.corner;
            EXPECT_EQ(min.GetMinPointF(), c.ok ? QPointF(110.5, 30.25) : QPointF(100, 20));
            EXPECT_EQ(max.GetMaxPointF(), c.ok ? QPointF(110.5, 30.25) : QPointF(120, 40));
        }
    }
}

TEST(DmsExtent, CornerBeyondTheOtherFailsUnlessStoredFirst)
{
    CDmsExtent extent = box();
    // North of max, west of min.
    EXPECT_FALSE(extent.FromMinPointF(u("110,41"), DEGREE_DECIMAL, false)
        || extent.FromMaxPointF(u("99,30"), DEGREE_DECIMAL, false));
    EXPECT_TRUE(
        extent.GetMinPointF() == QPointF(100, 20) && extent.GetMaxPointF() == QPointF(120, 40));

    EXPECT_FALSE(extent.FromMaxPointF(u("99°30′,30"), DEGREE_SYMBOLS, true));
    EXPECT_EQ(extent.GetMaxPointF(), QPointF(99.5, 30.0));

    EXPECT_TRUE(box().FromMinPointF(u("120,40"), DEGREE_DECIMAL, false)); // equal is fine
}

TEST(DmsExtent, WritesCornersInEveryFormat)
{
    CDmsExtent extent;
    extent.SetMinPointF(QPointF(116.5, 39.75));
    extent.SetMaxPointF(QPointF(-0.5, -33.8688));
    EXPECT_EQ(extent.ToMinPointF(DEGREE_PACKED), u("116.3000,39.4500"));
    EXPECT_EQ(extent.ToMinPointF(DEGREE_SYMBOLS), u("116°30′00″,39°45′00″"));
    EXPECT_EQ(extent.ToMinPointF(DEGREE_COLONS), u("116:30:00,39:45:00"));
    // 33.8688° = 33°52′07.68″
    EXPECT_EQ(extent.ToMaxPointF(DEGREE_SYMBOLS), u("-0°30′00″,-33°52′07.68″"));
}

// The source format is corrected from the text: colons win over "°" (tested second); same
// formats give the text back as it is, even when it is no corner.
TEST(DmsExtent, ConvertCorrectsTheSourceFormat)
{
    const struct
    {
        const char *text, *converted;
        E_DEGREE_FOARMAT source, target, corrected;
    } cases[]
        = { { "120°30′,30°15′", "120.5,30.25", DEGREE_PACKED, DEGREE_DECIMAL, DEGREE_SYMBOLS },
              { "120°:30,30", "120.5,30", DEGREE_DECIMAL, DEGREE_DECIMAL, DEGREE_COLONS },
              { "116.5", "", DEGREE_DECIMAL, DEGREE_PACKED, DEGREE_DECIMAL },
              { "1,2,3", "1,2,3", DEGREE_DECIMAL, DEGREE_DECIMAL, DEGREE_DECIMAL } };
    for (const auto& c : cases) {
        E_DEGREE_FOARMAT source = c.source;
        EXPECT_EQ(CDmsExtent().DmsConvert(u(c.text), source, c.target), u(c.converted)) << c.text;
        EXPECT_EQ(source, c.corrected) << c.text;
    }
}
