#include "OvCoordSystem/geodesy/EkDegree.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

namespace {
const E_DEGREE_FOARMAT kFormats[]
    = { DEGREE_DECIMAL, DEGREE_PACKED, DEGREE_SYMBOLS, DEGREE_COLONS };

// One second and one minute in degrees.
constexpr double kSecond = 1.0 / 3600.0;
constexpr double kMinute = 1.0 / 60.0;
} // namespace

TEST(EkDegree, WritesEachFormat)
{
    // 120°30′30″ = 120.50833…°; -0.5° keeps its sign although its degrees are 0; 59.999999″
    // rounds up and carries into the minutes and degrees; an unknown format writes decimal.
    const double east = 120.0 + 30 * kMinute + 30 * kSecond;
    const struct
    {
        double value;
        E_DEGREE_FOARMAT format;
        const char* text;
    } cases[] = { { east, DEGREE_DECIMAL, "120.5083333333" }, { east, DEGREE_PACKED, "120.3030" },
        { east, DEGREE_SYMBOLS, "120°30′30″" }, { east, DEGREE_COLONS, "120:30:30" },
        { -0.5, DEGREE_DECIMAL, "-0.5" }, { -0.5, DEGREE_PACKED, "-0.3000" },
        { -0.5, DEGREE_SYMBOLS, "-0°30′00″" }, { -0.5, DEGREE_COLONS, "-0:30:00" },
        { 9.0 + 59 * kMinute + 59.999999 * kSecond, DEGREE_COLONS, "10:00:00" },
        { 12.25 + 1.5 * kSecond, DEGREE_SYMBOLS, "12°15′01.5″" }, { -1e-12, DEGREE_DECIMAL, "0" },
        { -1e-12, DEGREE_COLONS, "0:00:00" }, { NAN, DEGREE_DECIMAL, "" },
        { INFINITY, DEGREE_SYMBOLS, "" }, { 1.25, static_cast<E_DEGREE_FOARMAT>(9), "1.25" } };
    for (const auto& c : cases)
        EXPECT_EQ(CEkDegree(c.value).ToString(c.format), c.text) << c.value << " " << c.format;
}

// Reading is held bit for bit to the former implementation on generated texts of every shape by
// the coordinate text's differential test; these are the quirks such texts seldom or never hit.
TEST(EkDegree, ReadsTypedTextsAndRejectsBadTextKeepingTheValue)
{
    // A short packed tail is the minutes; after a limit degree the tail is not read; a sign and a
    // southern or western letter make one negative value.
    const struct
    {
        E_DEGREE_FOARMAT format;
        const char* text;
        double expected; // by hand: degrees + minutes / 60 + seconds / 3600
    } cases[] = { { DEGREE_PACKED, "120", 120.0 }, { DEGREE_PACKED, "120.3", 120.0 + 3 * kMinute },
        { DEGREE_PACKED, "-0.3000", -0.5 }, { DEGREE_PACKED, "180.9999", 180.0 },
        { DEGREE_SYMBOLS, "-33°52′07.68″S", -(33.0 + 52 * kMinute + 7.68 * kSecond) },
        { DEGREE_SYMBOLS, "90°30", 90.0 }, { DEGREE_COLONS, "-180:00:00", -180.0 } };
    for (const auto& c : cases) {
        CEkDegree value(-999.0);
        EXPECT_TRUE(value.FromFormat(c.format, c.text)) << c.text;
        EXPECT_NEAR(value.GetDegree(), c.expected, 1e-12) << c.text;
    }

    // Parser hazards are refused in every format and leave the value.
    for (const char* text : { "nan", "inf", "12x", "0x1p3", " 12" }) {
        for (const E_DEGREE_FOARMAT format : kFormats) {
            CEkDegree value(42.0);
            EXPECT_FALSE(value.FromFormat(format, text)) << format << " " << text;
            EXPECT_EQ(value.GetDegree(), 42.0) << text;
        }
    }
}
