#include "OvCoordSystem/locate/Locate.h"

#include <gtest/gtest.h>

namespace {
QString sheet(const char* million, char scale, int row, int column)
{
    return QStringLiteral("%1%2%3%4")
        .arg(QLatin1String(million))
        .arg(QLatin1Char(scale))
        .arg(row, 3, 10, QLatin1Char('0'))
        .arg(column, 3, 10, QLatin1Char('0'));
}
} // namespace

// Sheets per side of a 1:1,000,000 sheet at each scale, from the standard's scale series
// (1:500,000 halves the 6° x 4° sheet, 1:250,000 quarters it, 1:100,000 sheets are 30' x 20').
TEST(MapSheet, EveryScaleLetterAtItsBounds)
{
    const struct
    {
        char scale;
        int perSide;
    } scales[] = { { 'B', 2 }, { 'C', 4 }, { 'D', 12 }, { 'E', 24 }, { 'F', 48 }, { 'G', 96 },
        { 'H', 192 } };
    for (const auto& s : scales) {
        int low = 7;
        int high = 7;
        CLocate::GetMapSheetRange(s.scale, low, high);
        EXPECT_EQ(low, 0) << s.scale;
        EXPECT_EQ(high, s.perSide + 1) << s.scale;
        const int n = s.perSide;
        const struct
        {
            int row;
            int column;
            bool valid;
        } cells[] = { { 1, 1, true }, { n, n, true }, { 1, n, true }, { n, 1, true },
            { 0, 1, false }, { 1, 0, false }, { n + 1, 1, false }, { 1, n + 1, false } };
        for (const auto& c : cells) {
            const QString number = sheet("J50", s.scale, c.row, c.column);
            EXPECT_EQ(CLocate::MapsheetRegCheck(number), c.valid) << number.toStdString();
            EXPECT_EQ(CLocate::SmallMapSheetCheck({ QStringLiteral("J"), QStringLiteral("50"),
                          QString(QLatin1Char(s.scale)), QString::number(c.row),
                          QString::number(c.column) }),
                c.valid)
                << number.toStdString();
        }
    }
    for (const char other : { 'A', 'I', 'b', '\0', '\xff' }) {
        int low = 7;
        int high = 7;
        CLocate::GetMapSheetRange(other, low, high);
        EXPECT_EQ(low, -1);
        EXPECT_EQ(high, -1);
    }
}

TEST(MapSheet, NumbersAcceptedAndRefused)
{
    const struct
    {
        const char* number;
        bool valid;
    } cases[] = { { "J50", true }, { "V60", true }, { "A01", true }, { "J00", false },
        { "J61", false }, { "W50", false }, { "j50", false }, { "J5", false }, { "J500", false },
        { "J50D012012", true }, { "J50D013001", false }, { "J50D000005", false },
        { "J50B003001", false }, { "J50I001001", false }, { "J50D01001", false },
        { "J50d001001", false }, { "J50A001001", false }, { "J61D001001", true },
        { "J50\n", false }, { " J50", false }, { "J50D001001\n", false }, { "", false } };
    for (const auto& c : cases)
        EXPECT_EQ(CLocate::MapsheetRegCheck(QString::fromLatin1(c.number)), c.valid) << c.number;
}

TEST(MapSheet, PartChecksRefuseWrongShapes)
{
    EXPECT_TRUE(CLocate::BigMapSheetCheck({ QStringLiteral("J"), QStringLiteral("60") }));
    EXPECT_FALSE(CLocate::BigMapSheetCheck({ QStringLiteral("J"), QStringLiteral("61") }));
    EXPECT_FALSE(CLocate::BigMapSheetCheck({ QStringLiteral("J"), QStringLiteral("x") }));
    EXPECT_FALSE(CLocate::BigMapSheetCheck({ QStringLiteral("J") }));
    EXPECT_FALSE(CLocate::BigMapSheetCheck(
        { QStringLiteral("J"), QStringLiteral("50"), QStringLiteral("") }));
    EXPECT_FALSE(CLocate::SmallMapSheetCheck({}));
    EXPECT_FALSE(CLocate::SmallMapSheetCheck({ QStringLiteral("J"), QStringLiteral("50"), QString(),
        QStringLiteral("1"), QStringLiteral("1") }));
    EXPECT_FALSE(CLocate::SmallMapSheetCheck({ QStringLiteral("J"), QStringLiteral("50"),
        QStringLiteral("D"), QStringLiteral("one"), QStringLiteral("1") }));
}

TEST(MapSheet, ContainsNumberExcludesBothBounds)
{
    EXPECT_FALSE(CLocate::ContainsNumber(3, 0, 3));
    EXPECT_FALSE(CLocate::ContainsNumber(0, 0, 3));
    EXPECT_TRUE(CLocate::ContainsNumber(1, 0, 3));
    EXPECT_FALSE(CLocate::ContainsNumber(-1, -1, -1));
}
