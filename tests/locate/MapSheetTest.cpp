#include "OvCoordSystem/locate/Locate.h"

#include <gtest/gtest.h>

// Sheets per side of a 1:1,000,000 sheet at each scale letter, from the standard's scale series
// (1:500,000 halves the 6° x 4° sheet, 1:250,000 quarters it, 1:100,000 sheets are 30' x 20', ...).
TEST(MapSheet, ScaleLettersAndNumbers)
{
    for (const auto& [scale, n] : { std::pair('B', 2), std::pair('C', 4), std::pair('D', 12),
             std::pair('E', 24), std::pair('F', 48), std::pair('G', 96), std::pair('H', 192),
             std::pair('A', -2), std::pair('b', -2) }) {
        int low = 7;
        int high = 7;
        CLocate::GetMapSheetRange(scale, low, high);
        EXPECT_TRUE(low == (n < 0 ? -1 : 0) && high == n + 1) << scale;
    }
    const std::pair<const char*, bool> cases[] = { { "J50", true }, { "V60", true },
        { "A01", true }, { "J00", false }, { "J61", false }, { "W50", false }, { "j50", false },
        { "J500", false }, { "J50H192192", true }, { "J50H193001", false }, { "J50D012012", true },
        { "J50D013001", false }, { "J50D000005", false }, { "J50D001013", false },
        { "J50I001001", false }, { "J50D01001", false },
        { "J61D001001", true }, // the 1:1,000,000 column of a larger scale is not checked
        { "J50\n", false }, { "J50D001001\n", false }, { "", false } };
    for (const auto& [number, valid] : cases)
        EXPECT_EQ(CLocate::MapsheetRegCheck(QString::fromLatin1(number)), valid) << number;
    // The part checks refuse lists of the wrong length or with a missing scale letter.
    EXPECT_FALSE(CLocate::BigMapSheetCheck({ QStringLiteral("J") }));
    EXPECT_FALSE(CLocate::SmallMapSheetCheck({ QStringLiteral("J"), QStringLiteral("50"), QString(),
        QStringLiteral("1"), QStringLiteral("1") }));
    EXPECT_FALSE(CLocate::ContainsNumber(3, 0, 3));
}
