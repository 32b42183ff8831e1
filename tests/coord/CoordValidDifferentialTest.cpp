// The shipped validator against the reference one (regular expressions and QString splitting) on
// generated texts: valid pairs in every format, the same texts with one character changed, and
// random texts. Every decision and every value read must be the same.
#include "ReferenceCoordValid.h"
#include "ReferenceEkDegree.h"

#include <gtest/gtest.h>

#include <cstring>
#include <random>

namespace {
constexpr E_DEGREE_FOARMAT kFormats[] = { DEGREE_DECIMAL, DEGREE_PACKED, DEGREE_SYMBOLS,
    DEGREE_COLONS, static_cast<E_DEGREE_FOARMAT>(9) };
constexpr E_NUM_LNG_LAT kAxes[] = { NUM_LNG, NUM_LAT, static_cast<E_NUM_LNG_LAT>(7) };
// Texts of each kind per format.
constexpr int kTextsPerKind = 4000;

// Characters the texts are made of: the allowed ones, spaces, and some that look like parts of
// a number to QString::toDouble or to a careless parser.
const QString kAlphabet = QString::fromUtf8("0123456789-.:,，：°″'′\"NSWE  \te+X９\u00a0");

class Generator
{
public:
    explicit Generator(unsigned seed)
        : m_random(seed)
    { }

    int below(int n) { return std::uniform_int_distribution<int>(0, n - 1)(m_random); }
    bool chance(int percent) { return below(100) < percent; }

    QString digits(int count)
    {
        QString text;
        for (int i = 0; i < count; ++i)
            text += QChar('0' + below(10));
        return text;
    }

    // A number near the interesting bounds, sometimes with long or many decimals.
    QString number(int whole)
    {
        QString text = chance(15) ? QStringLiteral("-") : QString();
        text += chance(10) ? QStringLiteral("0") + QString::number(whole) : QString::number(whole);
        if (chance(50)) text += QLatin1Char('.') + digits(1 + below(chance(10) ? 25 : 6));
        if (chance(3)) text = QStringLiteral("59.") + QString(20, QLatin1Char('9'));
        if (chance(3)) text += QStringLiteral(".0000000") + digits(2); // near 1e-7 and the bounds
        if (chance(2)) text = digits(330);
        if (chance(2)) text = QStringLiteral("0.") + QString(330, QLatin1Char('0')) + digits(2);
        return text;
    }

    int degrees(int limit) { return chance(20) ? limit - 1 + below(3) : below(limit + 2); }
    int sixty() { return chance(30) ? 58 + below(4) : below(62); }

    QString value(E_DEGREE_FOARMAT format, int limit)
    {
        const QString d = chance(85) ? QString::number(degrees(limit)) : number(degrees(limit));
        switch (format) {
        case DEGREE_PACKED: {
            QString tail = QStringLiteral("%1").arg(sixty(), 2, 10, QLatin1Char('0'));
            if (chance(70)) tail += QStringLiteral("%1").arg(sixty(), 2, 10, QLatin1Char('0'));
            if (chance(30)) tail += digits(1 + below(8));
            if (chance(10)) tail = tail.left(below(3));
            return (chance(15) ? QStringLiteral("-") : QString()) + d + QLatin1Char('.') + tail;
        }
        case DEGREE_SYMBOLS: {
            QString text = d + QStringLiteral("°");
            const bool ascii = chance(30);
            if (chance(80)) text += number(sixty()) + (ascii ? "'" : "′");
            if (chance(60)) text += number(sixty()) + (ascii ? "\"" : "″");
            if (chance(50)) text += QChar("NSWE"[below(4)]);
            return text;
        }
        case DEGREE_COLONS: {
            const QString colon = chance(20) ? QStringLiteral("：") : QStringLiteral(":");
            QString text = d;
            if (chance(85)) text += colon + number(sixty());
            if (chance(70)) text += colon + number(sixty());
            return text;
        }
        default:
            return number(degrees(limit)) + (chance(10) ? QStringLiteral("°") : QString());
        }
    }

    QString pair(E_DEGREE_FOARMAT format)
    {
        const QString lng = value(format, 180);
        const QString lat = value(format, 90);
        const char* const joins[] = { ",", ", ", " ", "，", " , ", "  " };
        const QString join = QString::fromUtf8(joins[chance(70) ? 0 : below(6)]);
        return (chance(10) ? QStringLiteral(" ") : QString()) + lng + join + lat
            + (chance(10) ? QStringLiteral("\t") : QString());
    }

    // TEXT with one character inserted, dropped or replaced.
    QString mutated(QString text)
    {
        const int at = below(text.size() + 1);
        const QChar c = kAlphabet[below(kAlphabet.size())];
        switch (below(3)) {
        case 0:
            text.insert(at, c);
            break;
        case 1:
            if (at < text.size()) text.remove(at, 1);
            break;
        default:
            if (at < text.size()) text[at] = c;
        }
        return text;
    }

    QString random()
    {
        QString text;
        const int length = below(16);
        for (int i = 0; i < length; ++i)
            text += kAlphabet[below(kAlphabet.size())];
        return text;
    }

private:
    std::mt19937 m_random;
};

// Compares every operation on TEXT; returns false (after reporting) at the first difference.
bool sameEverywhere(const QString& text, E_DEGREE_FOARMAT format)
{
    const ReferenceCoordValid reference;
    const CCoordValid& shipped = *CCoordValid::GetInstance();
    const std::string shown = text.toStdString();
    EXPECT_EQ(shipped.GetLBValue(text), reference.GetLBValue(text)) << shown;
    EXPECT_EQ(shipped.GetCoordFormat(text), reference.GetCoordFormat(text)) << shown;
    EXPECT_EQ(shipped.IsValid(text, format), reference.IsValid(text, format))
        << shown << " format " << format;
    for (const E_NUM_LNG_LAT axis : kAxes) {
        EXPECT_EQ(shipped.IsValid(text, format, axis), reference.IsValid(text, format, axis))
            << shown << " format " << format << " axis " << axis;
        EXPECT_EQ(shipped.IsCoord(text, axis), reference.IsCoord(text, axis))
            << shown << " axis " << axis;
    }
    QString lng[2] = { QStringLiteral("keep"), QStringLiteral("keep") };
    QString lat[2] = { QStringLiteral("keep"), QStringLiteral("keep") };
    EXPECT_EQ(
        shipped.GetLB(text, lng[0], lat[0], format), reference.GetLB(text, lng[1], lat[1], format))
        << shown << " format " << format;
    EXPECT_EQ(lng[0], lng[1]) << shown << " format " << format;
    EXPECT_EQ(lat[0], lat[1]) << shown << " format " << format;
    return !::testing::Test::HasFailure();
}
} // namespace

TEST(CoordValidDifferential, SameDecisionsAndValuesAsTheReference)
{
    Generator generate(20261206);
    int accepted = 0;
    for (const E_DEGREE_FOARMAT format : kFormats) {
        for (int i = 0; i < kTextsPerKind; ++i) {
            const QString valid = generate.pair(format);
            for (const QString& text : { valid, generate.mutated(valid), generate.random() }) {
                ASSERT_TRUE(sameEverywhere(text, format));
                accepted += ReferenceCoordValid().IsValid(text, format) ? 1 : 0;
            }
        }
    }
    // The generated pairs must exercise both answers, not only refusals.
    EXPECT_GT(accepted, kTextsPerKind) << accepted;
}

TEST(CoordValidDifferential, EdgeTexts)
{
    const QString texts[] = { QString(), QStringLiteral(" "), QStringLiteral(","),
        QString::fromUtf8("，"), QStringLiteral("5.,3"), QStringLiteral(".5,3"),
        QStringLiteral("-.5,3"), QStringLiteral("1E2,3"), QStringLiteral("1e2 3"),
        QStringLiteral("+5,3"), QString::fromUtf8("120.5\u00a0,30"), QString(300, QChar(' ')),
        QString(400, QChar('9')) + QStringLiteral(",1"), QStringLiteral("1,") + QString(400, '9'),
        QString::fromUtf8("120.3099999999999999999999,30"),
        QString::fromUtf8("120°59.99999999999999999′,30°"),
        QString::fromUtf8("120°30′59.9999999999999999999″E,30°"),
        QString::fromUtf8("180:00:0.0000000999,90:0:0"),
        QStringLiteral("0.") + QString(200, '0') + QStringLiteral("1,") + QStringLiteral("0.")
            + QString(400, '0') + QStringLiteral("1"),
        QString(1000, QChar('1')) + QStringLiteral(".5,2") };
    for (const QString& text : texts) {
        for (const E_DEGREE_FOARMAT format : kFormats)
            EXPECT_TRUE(sameEverywhere(text, format)) << text.toStdString();
    }
}

TEST(CoordValidDifferential, DegreeReadingMatchesTheReference)
{
    Generator generate(1206);
    for (const E_DEGREE_FOARMAT format : kFormats) {
        for (int i = 0; i < kTextsPerKind; ++i) {
            const QString valid = generate.value(format, generate.chance(50) ? 180 : 90);
            for (const QString& text : { valid, generate.mutated(valid), generate.random() }) {
                const std::string bytes = text.toLocal8Bit().toStdString();
                CEkDegree shipped(-999.0);
                ReferenceEkDegree reference;
                const bool read = reference.FromFormat(format, bytes);
                ASSERT_EQ(shipped.FromFormat(format, bytes), read) << bytes << " format " << format;
                const double expected = read ? reference.GetDegree() : -999.0;
                const double angle = shipped.GetDegree();
                // Bit for bit: -0 and 0 differ in the text written back.
                ASSERT_EQ(std::memcmp(&angle, &expected, sizeof angle), 0)
                    << bytes << " format " << format << ": " << angle << " vs " << expected;
            }
        }
    }
}
