#include "OvCoordSystem/coord/CoordValid.h"

#include <gtest/gtest.h>

#include <QPointer>

namespace {
const CCoordValid& valid()
{
    return *CCoordValid::GetInstance();
}

QString u(const char* utf8)
{
    return QString::fromUtf8(utf8);
}

struct ValueCase
{
    const char* text;
    E_NUM_LNG_LAT axis;
    bool expected;
};

void expectValues(E_DEGREE_FOARMAT format, std::initializer_list<ValueCase> cases)
{
    for (const ValueCase& c : cases)
        EXPECT_EQ(valid().IsValid(u(c.text), format, c.axis), c.expected)
            << "format " << format << " axis " << c.axis << ": " << c.text;
}
} // namespace

TEST(CoordValidPair, SplitsOnCommasOrOneSpace)
{
    const QStringList expected = { QStringLiteral("120.5"), QStringLiteral("30.25") };
    EXPECT_EQ(valid().GetLBValue(u("120.5,30.25")), expected);
    EXPECT_EQ(valid().GetLBValue(u("120.5，30.25")), expected); // full-width comma
    EXPECT_EQ(valid().GetLBValue(u("  120.5 ,  30.25 ")), expected); // spaces dropped with a comma
    EXPECT_EQ(valid().GetLBValue(u("120.5 30.25")), expected);
    EXPECT_TRUE(valid().GetLBValue(u("120.5  30.25")).isEmpty()); // three parts
    EXPECT_TRUE(valid().GetLBValue(u("120.5,30.25,1")).isEmpty());
    EXPECT_TRUE(valid().GetLBValue(u("120.5\t30.25")).isEmpty());
    EXPECT_TRUE(valid().GetLBValue(u("120.5")).isEmpty());
    // Empty parts stay in the split, so the order is known, but make no pair.
    EXPECT_EQ(valid().GetLBValue(u("120.5,")), QStringList({ u("120.5"), QString() }));
    EXPECT_EQ(valid().GetCoordFormat(u("120.5,")), FORMAT_LNG_LAT);
    EXPECT_FALSE(valid().IsValid(u("120.5,"), DEGREE_DECIMAL));

    EXPECT_EQ(valid().GetCoordFormat(u("120.5")), FORMAT_INVALID);
    EXPECT_EQ(valid().GetCoordFormat(u("120.5 30.25")), FORMAT_LNG_LAT);
    for (const char* pair : { "120.5,30.25", "120.5, 30.25", "120.5 30.25", "120.5，30.25" })
        EXPECT_TRUE(valid().IsValid(u(pair), DEGREE_DECIMAL)) << pair;
    for (const char* pair : { "", "120.5  30.25", ",", " ", "120.5,91", "181,30" })
        EXPECT_FALSE(valid().IsValid(u(pair), DEGREE_DECIMAL)) << pair;
}

TEST(CoordValidValue, DecimalBoundaries)
{
    expectValues(DEGREE_DECIMAL,
        { { "180", NUM_LNG, true }, { "-180", NUM_LNG, true }, { "180.0000001", NUM_LNG, false },
            { "181", NUM_LNG, false }, { "90", NUM_LAT, true }, { "-90.5", NUM_LAT, false },
            { "120.5°", NUM_LNG, true }, { "-0", NUM_LAT, true }, { ".5", NUM_LNG, false },
            { "5.", NUM_LNG, false }, { "1e2", NUM_LNG, false }, { "+5", NUM_LNG, false },
            { "5 ", NUM_LNG, false }, { "", NUM_LNG, false }, { "-", NUM_LNG, false },
            { "１２", NUM_LNG, false } /* full-width digits */,
            { "00000000000000000000000000000000000000000000000000000000000000000001", NUM_LAT,
                true },
            { "99999999999999999999999999999999999999999999999999999999999999999999", NUM_LNG,
                false } });
    // Any axis other than latitude takes the longitude limit.
    EXPECT_TRUE(valid().IsValid(u("150"), DEGREE_DECIMAL, static_cast<E_NUM_LNG_LAT>(7)));
}

TEST(CoordValidValue, PackedBoundaries)
{
    expectValues(DEGREE_PACKED,
        { { "120.3030", NUM_LNG, true }, { "120.6130", NUM_LNG, false },
            { "120.6000", NUM_LNG, true }, { "120.3060", NUM_LNG, true },
            { "120.3061", NUM_LNG, false }, { "120.306001", NUM_LNG, false },
            { "120.303099", NUM_LNG, true }, { "120", NUM_LNG, true }, { "120.5", NUM_LNG, true },
            { "-0.3000", NUM_LAT, true }, { "120.30.30", NUM_LNG, false },
            { ".3030", NUM_LNG, false }, { "120.3X30", NUM_LNG, false },
            // degrees equal to the limit end the test, above it fail
            { "180.9999", NUM_LNG, true }, { "181.0000", NUM_LNG, false },
            { "90.9999", NUM_LAT, true }, { "91", NUM_LAT, false }, { "89.6100", NUM_LAT, false },
            { "120°.3030", NUM_LNG, true } });
}

TEST(CoordValidValue, SymbolBoundaries)
{
    expectValues(DEGREE_SYMBOLS,
        { { "120°30′30″E", NUM_LNG, true }, { "120°30'30\"E", NUM_LNG, true },
            { "120°30′30″X", NUM_LNG, false }, { "120°30′30″EE", NUM_LNG, false },
            { "120°30′30″", NUM_LNG, true }, { "120°30′E", NUM_LNG, false },
            { "120°", NUM_LNG, true }, { "120°30", NUM_LNG, false }, { "120°30′", NUM_LNG, true },
            { "120°60′", NUM_LNG, true }, { "120°61′", NUM_LNG, false },
            { "120°30′60″", NUM_LNG, true }, { "120°30′60.5″", NUM_LNG, false },
            { "120°°", NUM_LNG, false }, { "120.5", NUM_LNG, true },
            { "39°54′27.5″N", NUM_LAT, true }, { "33°52′07″S", NUM_LAT, true },
            { "91°", NUM_LAT, false }, { "90°30", NUM_LAT, true }, { "-180°59′", NUM_LNG, true },
            { "181°", NUM_LNG, false },
            // seconds below 1e-7 count as 0; -2e-7 does not
            { "120°30′-0.00000009″", NUM_LNG, true }, { "120°30′-0.0000002″", NUM_LNG, false } });
}

TEST(CoordValidValue, ColonBoundaries)
{
    expectValues(DEGREE_COLONS,
        { { "120：30：30", NUM_LNG, true }, { "120:30:30", NUM_LNG, true },
            { "180:00:00", NUM_LNG, true }, { "180:00:01", NUM_LNG, false },
            { "180:01", NUM_LNG, false }, { "180", NUM_LNG, true },
            { "180:00:0.00000009", NUM_LNG, true }, { "180:00:0.0000002", NUM_LNG, false },
            { "179:59:60", NUM_LNG, true }, { "120:61", NUM_LNG, false },
            { "120:60.9", NUM_LNG, true }, { "120:30:61", NUM_LNG, false },
            { "120:30:30:30", NUM_LNG, false }, { "120::30", NUM_LNG, false },
            { "90:00:00", NUM_LAT, true }, { "90:00:01", NUM_LAT, false },
            { "120:30:-0.00000009", NUM_LNG, true }, { "120:30:-1", NUM_LNG, false } });
}

TEST(CoordValidValue, LooseCoordinateCheck)
{
    EXPECT_TRUE(valid().IsCoord(u("120.5"), NUM_LNG));
    EXPECT_TRUE(valid().IsCoord(u("120°30′30″E"), NUM_LNG)); // not a number: reads as 0
    EXPECT_TRUE(valid().IsCoord(u("-90"), NUM_LAT));
    EXPECT_FALSE(valid().IsCoord(u("90.5"), NUM_LAT));
    EXPECT_FALSE(valid().IsCoord(u("181"), NUM_LNG));
    EXPECT_FALSE(valid().IsCoord(u("1.2.3"), NUM_LNG));
    EXPECT_FALSE(valid().IsCoord(u("1°2°"), NUM_LNG));
    EXPECT_FALSE(valid().IsCoord(u(".5"), NUM_LNG));
    EXPECT_FALSE(valid().IsCoord(u("5."), NUM_LNG));
    EXPECT_FALSE(valid().IsCoord(u("°5"), NUM_LNG));
    EXPECT_FALSE(valid().IsCoord(QString(), NUM_LNG));
    EXPECT_FALSE(valid().IsCoord(u("10"), static_cast<E_NUM_LNG_LAT>(2)));
    EXPECT_FALSE(valid().IsCoord(u("nan"), NUM_LNG));
    EXPECT_FALSE(valid().IsCoord(u("1e999"), NUM_LNG));
}

TEST(CoordValidGetLB, DecimalDegreesFromEachFormat)
{
    // Expected values by hand: degrees + minutes / 60 + seconds / 3600, 10 decimals.
    struct Case
    {
        E_DEGREE_FOARMAT format;
        const char* pair;
        const char* lng;
        const char* lat;
    };
    const Case cases[] = {
        { DEGREE_DECIMAL, "120.5, 30.25", "120.5", "30.25" },
        { DEGREE_DECIMAL, "-120.5° -30", "-120.5", "-30" },
        { DEGREE_PACKED, "120.3030,30.1500", "120.5083333333", "30.25" },
        { DEGREE_PACKED, "116.2328,39.5427", "116.3911111111", "39.9075" },
        { DEGREE_SYMBOLS, "120°30′30″E,30°15′00″S", "120.5083333333", "-30.25" },
        { DEGREE_SYMBOLS, "151°12'33.48\"E，33°52'07.68\"S", "151.2093", "-33.8688" },
        { DEGREE_SYMBOLS, "120°30′30″W 30°15′", "-120.5083333333", "30.25" },
        { DEGREE_COLONS, "120：30：30,30:15", "120.5083333333", "30.25" },
        { DEGREE_COLONS, "-180:00:00,-90", "-180", "-90" },
    };
    for (const Case& c : cases) {
        QString lng;
        QString lat;
        EXPECT_TRUE(valid().GetLB(u(c.pair), lng, lat, c.format)) << c.pair;
        EXPECT_EQ(lng, u(c.lng)) << c.pair;
        EXPECT_EQ(lat, u(c.lat)) << c.pair;
    }
}

TEST(CoordValidGetLB, FailureLeavesOutputsUntouched)
{
    // Invalid pairs, and a valid pair whose first value fails the loose check (two points).
    const struct
    {
        E_DEGREE_FOARMAT format;
        const char* pair;
    } cases[] = { { DEGREE_DECIMAL, "120.5" }, { DEGREE_DECIMAL, "30,91" },
        { DEGREE_PACKED, "120.6130,30" }, { DEGREE_SYMBOLS, "120.5°30.5′,30" },
        { DEGREE_COLONS, "120:30,91:00" } };
    for (const auto& c : cases) {
        QString lng = QStringLiteral("keep");
        QString lat = QStringLiteral("keep");
        EXPECT_FALSE(valid().GetLB(u(c.pair), lng, lat, c.format)) << c.pair;
        EXPECT_EQ(lng, QStringLiteral("keep"));
        EXPECT_EQ(lat, QStringLiteral("keep"));
    }
}

TEST(CoordValidValue, DegreeTextWrittenInEveryFormatIsValid)
{
    for (const E_DEGREE_FOARMAT format :
        { DEGREE_DECIMAL, DEGREE_PACKED, DEGREE_SYMBOLS, DEGREE_COLONS }) {
        for (int step = -1800; step <= 1800; ++step) {
            const double lng = step * 0.1 - step * 3e-7; // -179.99946 .. 179.99946
            const QString lngText = QString::fromLocal8Bit(CEkDegree(lng).ToString(format).c_str());
            ASSERT_TRUE(valid().IsValid(lngText, format, NUM_LNG)) << lngText.toStdString();
            const QString latText
                = QString::fromLocal8Bit(CEkDegree(lng / 2).ToString(format).c_str());
            ASSERT_TRUE(valid().IsValid(latText, format, NUM_LAT)) << latText.toStdString();
        }
        for (const double limit : { -180.0, 180.0 }) {
            const QString text = QString::fromLocal8Bit(CEkDegree(limit).ToString(format).c_str());
            EXPECT_TRUE(valid().IsValid(text, format, NUM_LNG)) << text.toStdString();
        }
    }
}

TEST(CoordValidValue, BadInputIsRejected)
{
    const QChar loneSurrogate(0xD800);
    const QString texts[] = { QString(loneSurrogate), u("120.5") + loneSurrogate, u("ＮａＮ"),
        u("NaN"), u("∞"), QString(100000, QLatin1Char('9')), QString(100000, QLatin1Char(',')),
        QString(5000, QLatin1Char(' ')), u("°′″:：,，") };
    for (const QString& text : texts) {
        for (const E_DEGREE_FOARMAT format :
            { DEGREE_DECIMAL, DEGREE_PACKED, DEGREE_SYMBOLS, DEGREE_COLONS }) {
            EXPECT_FALSE(valid().IsValid(text, format)) << format;
            EXPECT_FALSE(valid().IsValid(text, format, NUM_LNG)) << format;
            QString lng;
            QString lat;
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
    delete first;
    QObject owner;
    CCoordValid* second = CCoordValid::GetInstance(&owner);
    EXPECT_EQ(second->parent(), &owner);
    EXPECT_EQ(CCoordValid::GetInstance(), second);
    // The owner destroys it; the next caller gets a fresh one.
}
