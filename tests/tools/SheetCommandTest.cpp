#include "OvcoordRun.h"

// Expected extents are worked out by hand from the sheet sizes of GB/T 13989 (6° x 4° at
// 1:1,000,000 with row A from the equator and column 1 from 180° W; 3° x 2° at 1:500,000,
// 1.5° x 1° at 1:250,000, 30' x 20' at 1:100,000, 1.875' x 1.25' at 1:5,000), not by the tool's
// formula. The sheets of Beijing and Shanghai are the published ones.
TEST(SheetCommand, ExtentsOfNumbersAndTheSheetOfAPoint)
{
    expectCommandLines({
        { "sheet|J50|A01|J50B002002|J50C004001|J50D001002|J50H192192|J61D001001|J61|j50|"
          "J50B003001|J50I001001",
            1,
            "J50: valid, 1:1,000,000, west 114 south 36 east 120 north 40\n"
            "A01: valid, 1:1,000,000, west -180 south 0 east -174 north 4\n"
            "J50B002002: valid, 1:500,000, west 117 south 36 east 120 north 38\n"
            "J50C004001: valid, 1:250,000, west 114 south 36 east 115.5 north 37\n"
            "J50D001002: valid, 1:100,000, west 114.5 south 39.6666666667 east 115 north 40\n"
            "J50H192192: valid, 1:5,000, west 119.96875 south 36 east 120 north 36.0208333333\n"
            "J61D001001: valid, 1:100,000, no extent: its 1:1,000,000 column 61 is outside 1 to "
            "60\n"
            "J61: invalid: column 61 is outside 1 to 60\n"
            "j50: invalid: letters must be upper case\n"
            "J50B003001: invalid: row 3 is outside 1 to 2 at scale B (1:500,000)\n"
            "J50I001001: invalid: not a sheet number (a row letter A to V and a two-digit "
            "column, optionally followed by a scale letter B to H, a three-digit row and a "
            "three-digit column)\n",
            nullptr, 11 },
        { "sheet|V60", 0, "V60: valid, 1:1,000,000, west 174 south 84 east 180 north 88\n" },
        { "sheet|--at|116.391,39.907", 0, "J50\n", nullptr, 1 }, // Beijing
        { "sheet|--at|121.47,31.23|--scale|a", 0, "H51\n", nullptr, 1 }, // Shanghai
        // 2.391° / 30' = 4.8; 3.907° / 20' = 11.7
        { "sheet|--at|116.391,39.907|--scale|D", 0, "J50D001005\n", nullptr, 1 },
        // 2.391° / 1.875' = 76.5; 0.093° / 1.25' = 4.5
        { "sheet|--at|116.391,39.907|--scale|H", 0, "J50H005077\n", nullptr, 1 },
        // A corner belongs to the sheet north-east of it; 180° E is 180° W.
        { "sheet|--at|117,38|--scale|B", 0, "J50B001002\n", nullptr, 1 },
        { "sheet|--at|180,0", 0, "A01\n", nullptr, 1 },
        { "sheet|--at|116,-0.5", 1, nullptr, "ovcoord sheet: " },
        { "sheet|--at|116,88", 1, nullptr, "ovcoord sheet: " },
        { "sheet|--at|181,40", 1, nullptr, "ovcoord sheet: " },
        { "sheet|--at|1,2|J50", 2 },
    });
}
