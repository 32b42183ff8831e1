#include "OvcoordRun.h"

#include <gtest/gtest.h>

#include <tuple>

namespace {
OvcoordRun sheet(const QStringList& args)
{
    return runOvcoord(QStringList(QStringLiteral("sheet")) + args);
}
} // namespace

// Expected extents are worked out by hand from the sheet sizes of GB/T 13989 (6° x 4° at
// 1:1,000,000 with row A from the equator and column 1 from 180° W; 3° x 2° at 1:500,000,
// 1.5° x 1° at 1:250,000, 30' x 20' at 1:100,000, 1.875' x 1.25' at 1:5,000), not by the tool's
// formula. The sheets of Beijing, Shanghai and Guangzhou are the published ones.
TEST(SheetCommand, ExtentsOfValidNumbersAndReasonsForTheOthers)
{
    const OvcoordRun run = sheet({ QStringLiteral("J50"), QStringLiteral("A01"),
        QStringLiteral("J50B002002"), QStringLiteral("J50C004001"), QStringLiteral("J50D001002"),
        QStringLiteral("J50H192192"), QStringLiteral("J61D001001"), QStringLiteral("J61"),
        QStringLiteral("j50"), QStringLiteral("J50B003001"), QStringLiteral("J50I001001") });
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.out.split('\n'),
        QByteArray(
            "J50: valid, 1:1,000,000, west 114 south 36 east 120 north 40\n"
            "A01: valid, 1:1,000,000, west -180 south 0 east -174 north 4\n"
            "J50B002002: valid, 1:500,000, west 117 south 36 east 120 north 38\n"
            "J50C004001: valid, 1:250,000, west 114 south 36 east 115.5 north 37\n"
            "J50D001002: valid, 1:100,000, west 114.5 south 39.6666666667 east 115 north 40\n"
            "J50H192192: valid, 1:5,000, west 119.96875 south 36 east 120 north "
            "36.0208333333\n"
            "J61D001001: valid, 1:100,000, no extent: its 1:1,000,000 column 61 is outside "
            "1 to 60\n"
            "J61: invalid: column 61 is outside 1 to 60\n"
            "j50: invalid: letters must be upper case\n"
            "J50B003001: invalid: row 3 is outside 1 to 2 at scale B (1:500,000)\n"
            "J50I001001: invalid: not a sheet number (a row letter A to V and a two-digit "
            "column, optionally followed by a scale letter B to H, a three-digit row and a "
            "three-digit column)\n")
            .split('\n'));
    EXPECT_EQ(sheet({ QStringLiteral("V60") }).exitCode, 0);
}

TEST(SheetCommand, NumbersTheSheetOfAPoint)
{
    const std::tuple<const char*, const char*, const char*> cases[] = {
        { "116.391,39.907", "A", "J50" }, // Beijing
        { "121.47,31.23", "a", "H51" }, // Shanghai
        { "113.26,23.13", "A", "F49" }, // Guangzhou
        { "116.391,39.907", "D", "J50D001005" }, // 2.391° / 30' = 4.8; 3.907° / 20' = 11.7
        { "116.391,39.907", "H", "J50H005077" }, // 2.391° / 1.875' = 76.5; 0.093° / 1.25' = 4.5
        { "117,38", "B", "J50B001002" }, // a corner belongs to the sheet north-east of it
        { "180,0", "A", "A01" }, // 180° E is 180° W
    };
    for (const auto& [at, scale, number] : cases) {
        const OvcoordRun run = sheet({ QStringLiteral("--at"), QLatin1String(at),
            QStringLiteral("--scale"), QLatin1String(scale) });
        EXPECT_EQ(run.out, QByteArray(number) + '\n') << at << " " << scale << run.err.data();
    }
    for (const char* at : { "116,-0.5", "116,88", "181,40" }) {
        const OvcoordRun run = sheet({ QStringLiteral("--at"), QLatin1String(at) });
        EXPECT_TRUE(run.exitCode == 1 && run.out.isEmpty() && !run.err.isEmpty()) << at;
    }
    EXPECT_EQ(
        sheet({ QStringLiteral("--at"), QStringLiteral("1,2"), QStringLiteral("J50") }).exitCode,
        2);
}
