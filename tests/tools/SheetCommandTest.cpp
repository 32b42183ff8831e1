#include "OvcoordRun.h"

#include <gtest/gtest.h>

// Expected extents are worked out by hand from the sheet sizes of GB/T 13989 (1:1,000,000 sheets
// of 6° x 4°, row A starting at the equator and column 1 at 180° W; 1:500,000 sheets 3° x 2°,
// 1:250,000 1.5° x 1°, 1:100,000 30' x 20', 1:50,000 15' x 10', 1:5,000 1.875' x 1.25'), not by
// the tool's formula; the sheets of Beijing, Shanghai and Guangzhou are the published ones.
TEST(SheetCommand, PrintsTheExtentOfValidNumbers)
{
    const struct
    {
        const char* number;
        const char* line;
    } cases[] = {
        { "J50", "J50: valid, 1:1,000,000, west 114 south 36 east 120 north 40\n" },
        { "A01", "A01: valid, 1:1,000,000, west -180 south 0 east -174 north 4\n" },
        { "V60", "V60: valid, 1:1,000,000, west 174 south 84 east 180 north 88\n" },
        { "H51", "H51: valid, 1:1,000,000, west 120 south 28 east 126 north 32\n" },
        { "J50B002002", "J50B002002: valid, 1:500,000, west 117 south 36 east 120 north 38\n" },
        { "J50C004001", "J50C004001: valid, 1:250,000, west 114 south 36 east 115.5 north 37\n" },
        { "J50D001002",
            "J50D001002: valid, 1:100,000, west 114.5 south 39.6666666667 east 115 north 40\n" },
        { "J50E024024",
            "J50E024024: valid, 1:50,000, west 119.75 south 36 east 120 north 36.1666666667\n" },
        { "J50H192192",
            "J50H192192: valid, 1:5,000, west 119.96875 south 36 east 120 north "
            "36.0208333333\n" },
    };
    for (const auto& c : cases) {
        const OvcoordRun run = runOvcoord({ QStringLiteral("sheet"), QLatin1String(c.number) });
        EXPECT_EQ(run.exitCode, 0) << c.number << run.err.constData();
        EXPECT_EQ(run.out, QByteArray(c.line));
    }
}

TEST(SheetCommand, GivesOneLinePerNumberWithTheReason)
{
    const OvcoordRun run = runOvcoord({ QStringLiteral("sheet"), QStringLiteral("J50"),
        QStringLiteral("J61"), QStringLiteral("j50"), QStringLiteral("J50B003001"),
        QStringLiteral("J50D012013"), QStringLiteral("J50I001001"), QStringLiteral("J61D001001") });
    EXPECT_EQ(run.exitCode, 1);
    const QList<QByteArray> lines = run.out.split('\n');
    ASSERT_EQ(lines.size(), 8) << run.out.constData();
    EXPECT_TRUE(lines[0].startsWith("J50: valid"));
    EXPECT_EQ(lines[1], QByteArray("J61: invalid: column 61 is outside 1 to 60"));
    EXPECT_EQ(lines[2], QByteArray("j50: invalid: letters must be upper case"));
    EXPECT_EQ(lines[3],
        QByteArray("J50B003001: invalid: row 3 is outside 1 to 2 at scale B (1:500,000)"));
    EXPECT_EQ(lines[4],
        QByteArray("J50D012013: invalid: column 13 is outside 1 to 12 at scale D (1:100,000)"));
    EXPECT_TRUE(lines[5].startsWith("J50I001001: invalid: not a sheet number"));
    // The library checks the 1:1,000,000 column of a larger-scale number no further.
    EXPECT_EQ(lines[6],
        QByteArray("J61D001001: valid, 1:100,000, no extent: its 1:1,000,000 column 61 is "
                   "outside 1 to 60"));
}

TEST(SheetCommand, NumbersTheSheetOfAPoint)
{
    const struct
    {
        const char* at;
        const char* scale;
        const char* number;
    } cases[] = {
        { "116.391,39.907", "A", "J50" }, // Beijing
        { "121.47,31.23", "a", "H51" }, // Shanghai
        { "113.26,23.13", "A", "F49" }, // Guangzhou
        { "116.391,39.907", "B", "J50B001001" },
        { "116.391,39.907", "D", "J50D001005" }, // 2.391° / 30' = 4.8; 3.907° / 20' = 11.7
        { "116.391,39.907", "E", "J50E001010" },
        { "116.391,39.907", "H", "J50H005077" }, // 2.391° / 1.875' = 76.5; 0.093° / 1.25' = 4.5
        { "117,38", "B", "J50B001002" }, // a corner belongs to the sheet north-east of it
        { "180,0", "A", "A01" }, // 180° E is 180° W
        { "-180,87.99", "H", "V01H001001" },
    };
    for (const auto& c : cases) {
        const OvcoordRun run = runOvcoord({ QStringLiteral("sheet"), QStringLiteral("--at"),
            QLatin1String(c.at), QStringLiteral("--scale"), QLatin1String(c.scale) });
        EXPECT_EQ(run.exitCode, 0) << c.at << run.err.constData();
        EXPECT_EQ(run.out, QByteArray(c.number) + '\n') << c.at << " " << c.scale;
    }
}

TEST(SheetCommand, RefusesPointsOutsideTheNumberingAndBadUsage)
{
    for (const char* at : { "116,-0.5", "116,88", "181,40", "116,90.5" }) {
        const OvcoordRun run
            = runOvcoord({ QStringLiteral("sheet"), QStringLiteral("--at"), QLatin1String(at) });
        EXPECT_EQ(run.exitCode, 1) << at;
        EXPECT_TRUE(run.out.isEmpty()) << at;
        EXPECT_FALSE(run.err.isEmpty()) << at;
    }
    const QList<QStringList> usage = { { QStringLiteral("sheet") },
        { QStringLiteral("sheet"), QStringLiteral("--at"), QStringLiteral("1,2"),
            QStringLiteral("J50") },
        { QStringLiteral("sheet"), QStringLiteral("--scale"), QStringLiteral("B"),
            QStringLiteral("J50") },
        { QStringLiteral("sheet"), QStringLiteral("--at"), QStringLiteral("116;40") },
        { QStringLiteral("sheet"), QStringLiteral("--at"), QStringLiteral("116,40"),
            QStringLiteral("--scale"), QStringLiteral("I") } };
    for (const QStringList& args : usage) {
        const OvcoordRun run = runOvcoord(args);
        EXPECT_EQ(run.exitCode, 2) << args.join(QLatin1Char(' ')).toStdString();
        EXPECT_TRUE(run.err.contains("Try 'ovcoord sheet --help'."));
    }
}
