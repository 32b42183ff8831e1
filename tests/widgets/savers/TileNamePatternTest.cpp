#include "OvCoordSystem/widgets/savers/TileNamePattern.h"

#include <gtest/gtest.h>

#include "QtPrinters.h"

namespace {

// Each tile is level 3, column 4, row 2 (counted from 1); "hex"/"HEX" ask for hexadecimal.
TEST(TileNamePattern, NamesOneTile)
{
    const char* cases[][3] = {
        { "{z-1}\\{x-1}_{y-1}", "", "2/3_1.jpg" },
        { "L{z-1}\\R{y-1}\\C{x-1}.png", "",
            "L2/R1/C3.jpg" }, // text after the last element: dropped
        { "t/{z}/a/{x}//{Y}", "", "t/3/a4/2.jpg" }, // the level folder keeps its prefix
        { "t/{z}_{x}_{y}", "", "t3_4_2.jpg" }, // no folder: separators dropped
        { "{z+15}\\{x+7}\\{y-5}", "HEX", "18/00000B/-000003.jpg" },
        { "{z}\\{x+7}_{y}", "hex", "3/00000b_000002.jpg" },
        { "{z}\\{x+99999999999999999999}_{y+abc}", "", "3/4_2.jpg" }, // offsets: 0
        { "{z}\\{x+9223372036854775807}", "", "3/9223372036854775811.jpg" },
        { "{x+1-2}\\{z--3}\\{y}", "", "/6/2.jpg" }, // "-" first, split at the first sign
        { "{z}\\{a}\\{b}", "", "3//.jpg" }, // unknown names show no number
        { "{z}\\{x}{a{y}}", "", "3/4.jpg" }, // nested: the body ends at the first "}"
        { "{z}\\{x}_{y-1", "", "3/4_1.jpg" }, // unclosed: the body runs to the end
        { "{z}_{q}", "", "" }, // neither column nor row
        { "{x}\\{y}", "", "" }, // no level
        { "no braces", "", "" },
    };
    for (const auto& c : cases) {
        const TileNumberFormat format { QByteArray(c[1]).toLower() == "hex",
            QByteArray(c[1]) == "HEX" };
        EXPECT_EQ(CTileNamePattern(QString::fromUtf8(c[0])).TilePath(3, 4, 2, format).join('/'),
            QString::fromUtf8(c[2]))
            << c[0];
    }
}

} // namespace
