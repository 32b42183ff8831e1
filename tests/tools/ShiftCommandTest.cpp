#include "OvcoordRun.h"

namespace {

QList<QByteArray> lines(const QByteArray& text)
{
    QList<QByteArray> list = text.split('\n');
    if (!list.isEmpty() && list.last().isEmpty()) list.removeLast();
    return list;
}

} // namespace

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
        { "shift|--from|wgs84|--to|gcj02|116.397128,39.916527|121.473701,31."
          "230416",
            0, "116.403372494,39.917930749\n121.478224057,31.228473742\n", nullptr, 2 },
        { "shift|--from|WGS84|--to|bd09|--precision|4|116.397128,39.916527", 0,
            "116.4097,39.9243\n" },
        { "shift|--from|bd09|--to|gcj02|116.40973933698186,39.924269294015090", 0,
            "116.403372834,39.917930397\n" },
        // Outside the GCJ02 area WGS84 has no offset; a negative longitude after
        // --.
        { "shift|--from|wgs84|--to|gcj02|--precision|0|--|-73.9,40.7", 0, "-74,41\n" },
        // Bad arguments are reported and skipped.
        { "shift|--from|gcj02|--to|bd09|x|116.40337249402477,39.917930749245947|", 1,
            "116.409739337,39.924269294\n", "argument 3: not a point", 1 },
        // One-step inverses: within metres of the start (116.397128,39.916527).
        { "shift|--from|gcj02|--to|wgs84|--precision|4|116.40337249402477,39.917930749245947", 0,
            "116.3971,39.9165\n" },
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

TEST(ShiftCommand, StandardInputFormatsBadLinesAndJunk)
{
    QByteArray input = "116.397128,39.916527\r\n"
                       "  121.473701 \t 31.230416\n"
                       "\n"
                       "# a comment\n"
                       "not a point\n"
                       "116.397128 , 39.916527\n"
                       "200,10\n"
                       "1,2,3\n"
                       "nan,nan\n"
                       "+116.397128,+39.916527\n";
    input += QByteArray(70000, 'x') + "\n";
    for (int i = 0; i < 256; ++i)
        input += static_cast<char>(i == '\n' ? ' ' : i);
    input += "\n1e400,1\n1,\n,1\n,\n-,-\n0x10,5\n1 2 3\n\t\n";
    input += QByteArray("12,3", 4).append('\0').append("4");
    const OvcoordRun run = runOvcoord(commandArgs("shift|--from|wgs84|--to|gcj02"), input);
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.out,
        "116.403372494,39.917930749\n121.478224057,31.228473742\n"
        "116.403372494,39.917930749\n116.403372494,39.917930749\n");
    const QList<QByteArray> errors = lines(run.err);
    ASSERT_EQ(errors.size(), 14) << run.err.constData();
    EXPECT_TRUE(errors[0].contains("line 5: not a point")) << errors[0].constData();
    EXPECT_TRUE(errors[1].contains("line 7: longitude or latitude out of range"));
    EXPECT_TRUE(errors[2].contains("line 8: not a point"));
    EXPECT_TRUE(errors[3].contains("line 9: not a point"));
}

TEST(ShiftCommand, ChunkedInputShiftsEachPointOnItsOwn)
{
    // More than two chunks, with points outside the GCJ02 area and bad lines in
    // between; a sample of lines, chunk edges included, must come out as when
    // given as arguments.
    QByteArray input;
    QList<QByteArray> inputPoints;
    for (int i = 0; i < 20000; ++i) {
        const bool outside = i % 97 == 5 || i == 8191 || i == 8192;
        const QByteArray p = outside ? QByteArray::number(10 + i * 1e-4, 'f', 6) + ",10"
                                     : QByteArray::number(73 + (i % 611) * 0.1, 'f', 6) + ","
                + QByteArray::number(18 + (i % 349) * 0.1, 'f', 6);
        inputPoints << p;
        input += p + "\n";
        if (i % 5000 == 17) input += "junk\n";
    }
    const int samples[] = { 5, 6, 8191, 8193, 16384, 19999 };
    for (const char* to : { "gcj02", "bd09" }) {
        SCOPED_TRACE(to);
        const QStringList args = commandArgs("shift|--from|wgs84|--to") << QLatin1String(to);
        const OvcoordRun run = runOvcoord(args, input);
        EXPECT_EQ(run.exitCode, 1);
        EXPECT_EQ(lines(run.err).size(), 4);
        const QList<QByteArray> out = lines(run.out);
        ASSERT_EQ(out.size(), inputPoints.size());
        QStringList sampleArgs = args;
        for (int i : samples)
            sampleArgs << QString::fromLatin1(inputPoints[i]);
        const QList<QByteArray> single = lines(runOvcoord(sampleArgs).out);
        ASSERT_EQ(single.size(), 6);
        for (int k = 0; k < 6; ++k)
            EXPECT_EQ(out[samples[k]], single[k]) << samples[k];
    }
}
