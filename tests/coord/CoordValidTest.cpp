// Hand-checked limits and values of the coordinate text that generated texts seldom hit; the
// differential test holds every operation (splitting, the loose check, the decimal degrees of a
// pair) to the former implementation on generated texts.
#include "OvCoordSystem/coord/CoordValid.h"

#include <gtest/gtest.h>

#include <cstdlib>
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
} // namespace

TEST(CoordValidValue, BoundariesOfEachFormat)
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
}

TEST(CoordValidValue, DegreeTextWrittenInEveryFormatIsValid)
{
    for (const E_DEGREE_FOARMAT format : kFormats) {
        for (int step = -1800; step <= 1800; ++step) {
            // -179.99946 .. 179.99946, and the limits
            const double lng = step / 10.0 - (std::abs(step) == 1800 ? 0 : step * 3e-7);
            for (const auto& [value, axis] : { std::pair { lng, NUM_LNG }, { lng / 2, NUM_LAT } }) {
                const std::string text = CEkDegree(value).ToString(format);
                ASSERT_TRUE(valid().IsValid(QString::fromLocal8Bit(text.c_str()), format, axis))
                    << text;
            }
        }
    }
}

TEST(CoordValidValue, BadInputIsRejected)
{
    const QChar loneSurrogate(0xD800);
    const QString texts[] = { u("120.5") + loneSurrogate, u("ＮａＮ"),
        QString(100000, QLatin1Char('9')), QString(100000, QLatin1Char(',')) };
    for (const QString& text : texts) {
        for (const E_DEGREE_FOARMAT format : kFormats) {
            EXPECT_FALSE(valid().IsValid(text, format, NUM_LNG)) << format;
            QString lng, lat;
            EXPECT_FALSE(valid().GetLB(text, lng, lat, format));
            EXPECT_TRUE(lng.isNull() && lat.isNull());
        }
    }
    EXPECT_FALSE(valid().IsGoogle(u("12958752.0,4825923.0")));
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
