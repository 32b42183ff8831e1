#include "OvcoordRun.h"

#include <algorithm>

// Expected values from the npm package gcoord 1.0.7 (`npm install gcoord` in a
// temporary folder, run with node): (116.397128, 39.916527) WGS84 -> GCJ02 =
// (116.40337249402477, 39.917930749245947), WGS84 -> BD09 =
// (116.40973933698186, 39.924269294015090), that BD09 point
// -> GCJ02 = (116.40337283351784, 39.917930397011403); (121.473701, 31.230416)
// -> GCJ02 (121.47822405739267, 31.228473742246980). Printed with 9 decimals by
// default.
TEST(ShiftCommand, CommandLines)
{
    const char* usage = "Try 'ovcoord shift --help'.";
    expectCommandLines({
        // Outside the GCJ02 area WGS84 has no offset; a negative longitude after --.
        { "shift|--from|wgs84|--to|gcj02|--|116.397128,39.916527|121.473701,31.230416|-73.9,40.7",
            0,
            "116.403372494,39.917930749\n121.478224057,31.228473742\n-73.900000000,40.700000000\n",
            nullptr, 3 },
        { "shift|--from|WGS84|--to|bd09|--precision|4|116.397128,39.916527", 0,
            "116.4097,39.9243\n" },
        { "shift|--from|bd09|--to|gcj02|116.40973933698186,39.924269294015090", 0,
            "116.403372834,39.917930397\n" },
        // Bad arguments are reported and skipped.
        { "shift|--from|gcj02|--to|bd09|x|116.40337249402477,39.917930749245947|", 1,
            "116.409739337,39.924269294\n", "argument 3: not a point", 1 },
        // The one-step inverse: within metres of the start (116.397128,39.916527).
        { "shift|--from|bd09|--to|wgs84|--precision|4|116.40973933698186,39.924269294015090", 0,
            "116.3971,39.9165\n" },
        { "shift|--help", 0, "Usage: ovcoord shift [options] [POINT...]" },
        { "shift|--to|gcj02", 2, nullptr, usage },
        { "shift|--from|wgs72|--to|gcj02", 2, nullptr, usage },
        { "shift|--from|wgs84|--to|mars", 2, nullptr, usage },
        { "shift|--from|wgs84|--to|gcj02|--precision|18", 2, nullptr, usage },
        { "shift|--from|wgs84|--to|gcj02|--frobnicate", 2, nullptr, usage },
        { "shift|--from|wgs84|--to|gcj02|--precision|two", 2, nullptr, usage },
    });
}

// Standard input: spacing, comments and junk of every kind, then more than two chunks of points
// with points outside the GCJ02 area (kept as they are) at the chunk edges and in between: each
// point comes out as on its own.
TEST(ShiftCommand, StandardInputFormatsJunkAndChunks)
{
    QByteArray input = "116.397128,39.916527\r\n  121.473701 \t 31.230416\n\n# a comment\n"
                       "not a point\n116.397128 , 39.916527\n200,10\n1,2,3\nnan,nan\n"
                       "+116.397128,+39.916527\n";
    input += QByteArray(70000, 'x') + "\n";
    for (int i = 0; i < 256; ++i)
        input += static_cast<char>(i == '\n' ? ' ' : i);
    input += "\n1e400,1\n1,\n,1\n,\n-,-\n0x10,5\n1 2 3\n\t\n";
    input += QByteArray("12,3", 4).append('\0').append("4\n");
    const QByteArray beijing = "116.403372494,39.917930749\n";
    const QByteArray shanghai = "121.478224057,31.228473742\n";
    QByteArray expected = beijing + shanghai + beijing + beijing;
    for (int k = 4; k < 20004; ++k) { // k: the point's place in the whole input
        const bool outside = k % 97 == 5 || k == 8191 || k == 8192 || k == 16384;
        input += outside ? "10,10\n" : k % 3 ? "116.397128,39.916527\n" : "121.473701,31.230416\n";
        expected += outside ? "10.000000000,10.000000000\n" : k % 3 ? beijing : shanghai;
        if (k % 5000 == 17) input += "junk\n";
    }
    const ProgramRun run = runOvcoord(commandArgs("shift|--from|wgs84|--to|gcj02"), input);
    EXPECT_EQ(run.exitCode, 1);
    const auto diff
        = std::mismatch(run.out.begin(), run.out.end(), expected.begin(), expected.end());
    EXPECT_TRUE(run.out == expected) << run.out.mid(diff.first - run.out.begin() - 30, 60).data();
    // Each bad line named by its number, the out-of-range one told apart.
    QStringList bad;
    for (const QByteArray& line : run.err.trimmed().split('\n'))
        bad << QString::fromLatin1(line.left(30)).section(QLatin1Char(' '), 3, 3);
    EXPECT_EQ(bad.size(), 14 + 4);
    EXPECT_TRUE(bad.join(' ').startsWith("5: 7: 8: 9: 11: 12: 13: 14: 15: 16: 17: 18: 19: 21: "))
        << run.err.constData();
    EXPECT_TRUE(run.err.contains("line 7: longitude or latitude out of range: '200,10'"));
}
