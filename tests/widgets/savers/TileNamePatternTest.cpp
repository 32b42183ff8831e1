#include "OvCoordSystem/widgets/savers/TileNamePattern.h"
#include "OvCoordSystem/widgets/savers/TilePreview.h"

#include <gtest/gtest.h>

namespace {

struct ParseCase
{
    const char* pattern;
    QStringList prefixes, names, signs, offsets;
};

// Each list is padded to three entries; the text after the last "}" is an element of its own.
TEST(TileNamePattern, ParsesElementsLeftToRight)
{
    const ParseCase cases[] = {
        { "{z-1}\\{x-1}_{y-1}", { "", "\\", "_" }, { "z", "x", "y" }, { "-", "-", "-" },
            { "1", "1", "1" } },
        { "L{z}\\R{y+2}\\C{x}.png", { "L", "\\R", "\\C", ".png" }, { "z", "y", "x", "" },
            { "", "+", "", "" }, { "", "2", "", "" } },
        { "", { "", "", "" }, { "", "", "" }, { "", "", "" }, { "", "", "" } },
        { "no braces", { "no braces", "", "" }, { "", "", "" }, { "", "", "" }, { "", "", "" } },
        // Unbalanced: the body runs to the end.
        { "a{z-1", { "a", "", "" }, { "z", "", "" }, { "-", "", "" }, { "1", "", "" } },
        // Nested: the body ends at the first "}", the rest is a final element.
        { "{a{z}}", { "", "}", "" }, { "a{z", "", "" }, { "", "", "" }, { "", "", "" } },
        { "{}{}", { "", "", "" }, { "", "", "" }, { "", "", "" }, { "", "", "" } },
        // "-" wins over "+"; the split is at the first sign.
        { "{x+1-2}{y--3}", { "", "", "" }, { "x+1", "y", "" }, { "-", "-", "" },
            { "2", "-3", "" } },
        { "}{z}", { "}", "", "" }, { "z", "", "" }, { "", "", "" }, { "", "", "" } },
    };
    for (const ParseCase& c : cases) {
        const CTileNamePattern pattern(QString::fromUtf8(c.pattern));
        SCOPED_TRACE(c.pattern);
        EXPECT_EQ(pattern.Prefixes(), c.prefixes);
        EXPECT_EQ(pattern.Names(), c.names);
        EXPECT_EQ(pattern.Signs(), c.signs);
        EXPECT_EQ(pattern.Offsets(), c.offsets);
    }
}

TEST(TileNamePattern, ReparsingReplacesTheElements)
{
    CTileNamePattern pattern(QStringLiteral("{z}/{x}/{y}/{a}/{b}"));
    pattern.Parse(QStringLiteral("{Z}"));
    EXPECT_EQ(pattern.Names(), QStringList({ "Z", "", "" }));
    EXPECT_TRUE(pattern.HasLevel());
    EXPECT_FALSE(pattern.HasColumn());
    EXPECT_FALSE(pattern.HasRow());
}

struct NumberCase
{
    const char* element;
    qint64 count;
    bool hexadecimal, upperCase;
    const char* text;
};

// The count is the column here ({x}); {z} is always decimal.
TEST(TileNamePattern, NumbersTheElements)
{
    const NumberCase cases[] = {
        { "{x}", 1, false, false, "1" },
        { "{x-1}", 1, false, false, "0" },
        { "{X+3}", 8, false, false, "11" },
        { "{x+3}", 8, true, true, "00000B" },
        { "{x+3}", 8, true, false, "00000b" },
        { "{x-5}", 1, true, false, "-000004" },
        { "{x-}", 7, false, false, "7" },
        { "{x+abc}", 7, false, false, "7" },
        { "{x-1.5}", 7, false, false, "7" },
        // Beyond 64 bits the offset is no number; within, the sum is exact.
        { "{x+99999999999999999999}", 2, false, false, "2" },
        { "{x+9223372036854775807}", 2, false, false, "9223372036854775809" },
        { "{x--9223372036854775808}", 1, true, true, "8000000000000001" },
        { "{z+15}", 1, true, true, "16" },
        { "{q+1}", 5, false, false, "" },
    };
    TileNumberFormat format;
    for (const NumberCase& c : cases) {
        SCOPED_TRACE(c.element);
        const CTileNamePattern pattern(QString::fromUtf8(c.element));
        format.hexadecimal = c.hexadecimal;
        format.upperCase = c.upperCase;
        // The same count for level, column and row: only the element's name picks one.
        EXPECT_EQ(
            pattern.ElementNumber(0, c.count, c.count, c.count, format), QString::fromUtf8(c.text));
    }
}

struct PathCase
{
    const char* pattern;
    qint64 level, column, row;
    QStringList path;
};

TEST(TileNamePattern, NamesOneTile)
{
    const PathCase cases[] = {
        { "{z-1}\\{x-1}_{y-1}", 3, 4, 2, { "2", "3_1.jpg" } },
        { "{z-1}\\{x-1}\\{y-1}", 3, 4, 2, { "2", "3", "1.jpg" } },
        { "L{z-1}\\R{y-1}\\C{x-1}", 3, 4, 2, { "L2", "R1", "C3.jpg" } },
        { "{z}/{y}/{x}", 2, 1, 2, { "2", "2", "1.jpg" } },
        // The level folder keeps its prefix; later prefixes lose their separators.
        { "t/{z}/a/{x}//{y}", 1, 1, 1, { "t/1", "a1", "1.jpg" } },
        // No folder after the level: one file name, prefixes without separators.
        { "t/{z}_{x}_{y}", 2, 2, 1, { "t2_2_1.jpg" } },
        { "{z}_{y}", 2, 2, 1, { "2_1.jpg" } },
        { "{z}", 2, 1, 1, {} },
        { "{x}\\{y}", 2, 1, 1, {} },
        { "", 1, 1, 1, {} },
        // Unknown names show no number.
        { "{z}\\{a}\\{b}", 1, 1, 1, { "1", "", ".jpg" } },
    };
    for (const PathCase& c : cases) {
        SCOPED_TRACE(c.pattern);
        const CTileNamePattern pattern(QString::fromUtf8(c.pattern));
        EXPECT_EQ(pattern.TilePath(c.level, c.column, c.row, TileNumberFormat()), c.path);
    }
    EXPECT_EQ(CTileNamePattern(QStringLiteral("{z}/{x}/{y}"))
                  .TilePath(1, 1, 1, TileNumberFormat(), QStringLiteral(".png")),
        QStringList({ "1", "1", "1.png" }));
}

int countNodes(const std::vector<TilePreviewNode>& nodes)
{
    int count = 0;
    for (const TilePreviewNode& node : nodes)
        count += 1 + countNodes(node.children);
    return count;
}

// The widget tests compare whole trees; here the merging and the bounds.
TEST(TilePreview, MergesWhatSeveralTilesNameAndBoundsTheLevels)
{
    // Without a row every row of a level names the same files.
    const auto merged = BuildTilePreview(CTileNamePattern(QStringLiteral("{z}\\{x}")), {}, 3);
    ASSERT_EQ(merged.size(), 3u);
    EXPECT_EQ(merged[2].children.size(), 4u);
    // Level 8 has 128 x 128 tiles: 1 + 4 + ... + 4^7 files in all.
    const auto deepest = BuildTilePreview(CTileNamePattern(QStringLiteral("{z}_{x}_{y}")), {}, 99);
    EXPECT_EQ(countNodes(deepest), (1 << 16) / 3);
    EXPECT_TRUE(BuildTilePreview(CTileNamePattern(QStringLiteral("{z}_{x}_{y}")), {}, -1).empty());
    EXPECT_TRUE(BuildTilePreview(CTileNamePattern(QStringLiteral("{x}_{y}")), {}, 4).empty());
}

} // namespace
