#include "OvCoordSystem/widgets/savers/TileNamePattern.h"

#include <gtest/gtest.h>

namespace {

// Elements as "prefix{name sign offset}", joined by "|"; lists are padded to three.
QString elements(const CTileNamePattern& p)
{
    QStringList parts;
    for (int i = 0; i < p.Names().size(); ++i)
        parts << p.Prefixes()[i] + "{" + p.Names()[i] + " " + p.Signs()[i] + " " + p.Offsets()[i]
                + "}";
    return parts.join('|');
}

TEST(TileNamePattern, ParsesElementsLeftToRight)
{
    const char* cases[][2] = {
        { "L{z-1}\\R{y+2}\\C{x}.png", "L{z - 1}|\\R{y + 2}|\\C{x  }|.png{  }" },
        { "", "{  }|{  }|{  }" }, { "no braces", "no braces{  }|{  }|{  }" },
        { "a{z-1", "a{z - 1}|{  }|{  }" }, // unclosed: the body runs to the end
        { "{a{z}}", "{a{z  }|}{  }|{  }" }, // nested: the body ends at the first "}"
        { "{x+1-2}{y--3}", "{x+1 - 2}|{y - -3}|{  }" }, // "-" first, split at the first sign
    };
    for (const auto& c : cases)
        EXPECT_EQ(elements(CTileNamePattern(QString::fromUtf8(c[0]))), QString::fromUtf8(c[1]));
}

// Each tile is level 3, column 4, row 2 (counted from 1).
TEST(TileNamePattern, NamesOneTile)
{
    const struct
    {
        const char* pattern;
        bool hexadecimal, upperCase;
        const char* path;
    } cases[] = {
        { "{z-1}\\{x-1}_{y-1}", false, false, "2/3_1.jpg" },
        { "L{z-1}\\R{y-1}\\C{x-1}", false, false, "L2/R1/C3.jpg" },
        { "t/{z}/a/{x}//{Y}", false, false, "t/3/a4/2.jpg" }, // the level folder keeps its prefix
        { "t/{z}_{x}_{y}", false, false, "t3_4_2.jpg" }, // no folder: separators dropped
        { "{z+15}\\{x+7}\\{y-5}", true, true, "18/00000B/-000003.jpg" },
        { "{z}\\{x+7}_{y}", true, false, "3/00000b_000002.jpg" },
        { "{z}\\{x+99999999999999999999}_{y+abc}", false, false, "3/4_2.jpg" }, // offsets: 0
        { "{z}\\{x+9223372036854775807}", false, false, "3/9223372036854775811.jpg" },
        { "{z}\\{a}\\{b}", false, false, "3//.jpg" }, // unknown names show no number
        { "{z}_{q}", false, false, "" }, // neither column nor row
        { "{x}\\{y}", false, false, "" }, // no level
    };
    for (const auto& c : cases) {
        const TileNumberFormat format { c.hexadecimal, c.upperCase };
        EXPECT_EQ(
            CTileNamePattern(QString::fromUtf8(c.pattern)).TilePath(3, 4, 2, format).join('/'),
            QString::fromUtf8(c.path))
            << c.pattern;
    }
}

} // namespace
