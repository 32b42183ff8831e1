// Hand-checked limits and values of the coordinate text that generated texts seldom hit; the
// differential test holds every operation (splitting, the loose check, the decimal degrees of a
// pair) to the former implementation on generated texts.
#include "OvCoordSystem/coord/CoordValid.h"
#include "OvCoordSystem/coord/DmsExtent.h"
#include "OvCoordSystem/geodesy/EkDegree.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

namespace {
const CCoordValid& valid()
{
    return *CCoordValid::GetInstance();
}

QString u(const char* utf8)
{
    return QString::fromUtf8(utf8);
}

constexpr E_DEGREE_FOARMAT kFormats[]
    = { DEGREE_DECIMAL, DEGREE_PACKED, DEGREE_SYMBOLS, DEGREE_COLONS };

// An extent from (100, 20) to (120, 40).
CDmsExtent box()
{
    CDmsExtent extent;
    extent.SetMaxPointF(QPointF(120.0, 40.0));
    extent.SetMinPointF(QPointF(100.0, 20.0));
    return extent;
}
} // namespace

TEST(CoordValidValue, BoundariesOfEachFormatAndBadInput)
{
    const struct
    {
        E_DEGREE_FOARMAT format;
        E_NUM_LNG_LAT axis;
        std::vector<const char*> valid, invalid;
    } cases[] = {
        { DEGREE_DECIMAL, NUM_LNG, { "-180", "120.5°" }, { "180.0000001", ".5", "1e2", "１２" } },
        { DEGREE_DECIMAL, NUM_LAT, { "-90" }, { "-90.5" } },
        // Any axis other than latitude takes the longitude limit.
        { DEGREE_DECIMAL, static_cast<E_NUM_LNG_LAT>(7), { "150" }, {} },
        // Degrees equal to the limit end the test, above it fail.
        { DEGREE_PACKED, NUM_LNG, { "120.6000", "120.303099", "180.9999" },
            { "120.3061", "120.30.30", "181.0000" } },
        // Seconds below 1e-7 count as 0; -2e-7 does not.
        { DEGREE_SYMBOLS, NUM_LNG, { "120°30'30\"E", "120°60′", "-180°59′", "120°30′-0.00000009″" },
            { "120°30′E", "120°30′60.5″", "120°30′-0.0000002″" } },
        { DEGREE_SYMBOLS, NUM_LAT, { "33°52′07″S" }, { "91°" } },
        { DEGREE_COLONS, NUM_LNG, { "120：30：30", "179:59:60" }, { "180:00:01", "120::30" } },
    };
    for (const auto& c : cases) {
        for (const bool expected : { true, false }) {
            for (const char* text : expected ? c.valid : c.invalid)
                EXPECT_EQ(valid().IsValid(u(text), c.format, c.axis), expected)
                    << "format " << c.format << " axis " << c.axis << ": " << text;
        }
    }

    // Bad input is refused in every format, and no pair is read from it.
    const QChar loneSurrogate(0xD800);
    const QString texts[] = { u("120.5") + loneSurrogate, u("ＮａＮ"),
        QString(100000, QLatin1Char('9')), QString(100000, QLatin1Char(',')) };
    for (const QString& text : texts) {
        for (const E_DEGREE_FOARMAT format : kFormats) {
            EXPECT_FALSE(valid().IsValid(text, format, NUM_LNG)) << format;
            QString lng, lat;
            EXPECT_TRUE(!valid().GetLB(text, lng, lat, format) && lng.isNull() && lat.isNull());
        }
    }
    EXPECT_FALSE(valid().IsGoogle(u("12958752.0,4825923.0")));
}

// Degree text written in every format reads back within its last written decimal (1e-10° in
// decimal degrees, 1e-5″ otherwise: rounding takes half, binary fractions the rest) and, within
// the limits, is valid coordinate text.
TEST(CoordValidValue, DegreeTextWrittenInEveryFormatReadsBackAndIsValid)
{
    // Beside the sweep: the limits, signed zeros, tiny values, and just below and above a minute
    // and a second boundary.
    const double minute = 1.0 / 60, second = 1.0 / 3600;
    std::vector<double> values = { 180, -180, 90, -90, -0.0, 1e-12, -1e-12, 120.508333333333,
        -179.999999, 30.0 - 1e-9, 30.0 + 1e-9, 10.0 + minute - 1e-9, 10.0 + minute + 1e-9,
        -(10.0 + minute - 1e-9), 5.0 + 59.999999 * second, 5.0 + 59.9999949 * second,
        -(7.0 + 59.0 * minute + 59.999996 * second) };
    for (int step = -3600; step <= 3600; ++step)
        values.push_back(step * 0.05 + step * 1e-7); // -180.00036 .. 180.00036
    for (const E_DEGREE_FOARMAT format : kFormats) {
        for (const double value : values) {
            const std::string text = CEkDegree(value).ToString(format);
            CEkDegree back(-999.0);
            ASSERT_TRUE(back.FromFormat(format, text)) << format << " " << text;
            ASSERT_NEAR(back.GetDegree(), value, format == DEGREE_DECIMAL ? 1e-10 : 1e-5 * second)
                << format << " " << text;
            for (const auto& [limit, axis] : { std::pair { 180.0, NUM_LNG }, { 90.0, NUM_LAT } }) {
                ASSERT_TRUE(std::abs(value) > limit
                    || valid().IsValid(QString::fromLocal8Bit(text.c_str()), format, axis))
                    << text;
            }
        }
    }
}

TEST(CoordValidInstance, IsOnePerProcessUntilDestroyed)
{
    CCoordValid* first = CCoordValid::GetInstance();
    EXPECT_EQ(CCoordValid::GetInstance(), first);
    delete first; // the next caller gets a fresh one
    QObject owner; // which destroys it
    CCoordValid* second = CCoordValid::GetInstance(&owner);
    EXPECT_TRUE(second->parent() == &owner && CCoordValid::GetInstance() == second);
}

TEST(DmsExtent, ValidityNeedsOrderedCornersWithinBoundsReadingKeepsThem)
{
    const struct
    {
        QPointF min, max;
        bool valid;
    } extents[] = { { { 100, 20 }, { 120, 40 }, true }, { { 121, 20 }, { 120, 40 }, false },
        { { -180, -90 }, { 180, 90 }, true }, { { -180, -90 }, { 180, 90.5 }, false },
        { { -180, qQNaN() }, { 180, 90 }, false } };
    for (const auto& c : extents) {
        CDmsExtent extent;
        extent.SetMinPointF(c.min);
        extent.SetMaxPointF(c.max);
        EXPECT_EQ(extent.IsValid(), c.valid) << c.min.x() << "," << c.min.y();
    }

    // Corners read in every format; bad text or a bad order leaves them.
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
    // A corner beyond the other fails unless stored first: north of max, west of min.
    CDmsExtent extent = box();
    EXPECT_FALSE(extent.FromMinPointF(u("110,41"), DEGREE_DECIMAL, false)
        || extent.FromMaxPointF(u("99,30"), DEGREE_DECIMAL, false));
    EXPECT_TRUE(
        extent.GetMinPointF() == QPointF(100, 20) && extent.GetMaxPointF() == QPointF(120, 40));

    EXPECT_FALSE(extent.FromMaxPointF(u("99°30′,30"), DEGREE_SYMBOLS, true));
    EXPECT_EQ(extent.GetMaxPointF(), QPointF(99.5, 30.0)); // stored first, then refused

    EXPECT_TRUE(box().FromMinPointF(u("120,40"), DEGREE_DECIMAL, false)); // equal is fine
}

TEST(DmsExtent, WritesCornersInEveryFormatAndConvertCorrectsTheSourceFormat)
{
    CDmsExtent extent;
    extent.SetMinPointF(QPointF(116.5, 39.75));
    extent.SetMaxPointF(QPointF(-0.5, -33.8688));
    EXPECT_EQ(extent.ToMinPointF(DEGREE_PACKED), u("116.3000,39.4500"));
    EXPECT_EQ(extent.ToMinPointF(DEGREE_SYMBOLS), u("116°30′00″,39°45′00″"));
    EXPECT_EQ(extent.ToMinPointF(DEGREE_COLONS), u("116:30:00,39:45:00"));
    // 33.8688° = 33°52′07.68″
    EXPECT_EQ(extent.ToMaxPointF(DEGREE_SYMBOLS), u("-0°30′00″,-33°52′07.68″"));

    // The source format is corrected from the text: colons win over "°" (tested second); same
    // formats give the text back as it is, even when it is no corner.
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
