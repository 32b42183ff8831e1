#include "OvcoordRun.h"

#include <gtest/gtest.h>

#include <QLineF>
#include <QPointF>
#include <QString>

namespace {

QStringList shiftArgs(const char* from, const char* to, const QStringList& more = {})
{
    return QStringList { QStringLiteral("shift"), QStringLiteral("--from"),
        QString::fromLatin1(from), QStringLiteral("--to"), QString::fromLatin1(to) }
    + more;
}

QList<QByteArray> lines(const QByteArray& text)
{
    QList<QByteArray> list = text.split('\n');
    if (!list.isEmpty() && list.last().isEmpty()) list.removeLast();
    return list;
}

QPointF point(const QByteArray& line)
{
    const QList<QByteArray> parts = line.split(',');
    return parts.size() == 2 ? QPointF(parts[0].toDouble(), parts[1].toDouble()) : QPointF();
}

} // namespace

// Expected values from the npm package gcoord 1.0.7 (`npm install gcoord` in a temporary folder,
// run with node): (116.397128, 39.916527) WGS84 -> GCJ02 = (116.40337249402477,
// 39.917930749245947), WGS84 -> BD09 = (116.40973933698186, 39.924269294015090); (121.473701,
// 31.230416) -> GCJ02 (121.47822405739267, 31.228473742246980). Printed with 9 decimals.
TEST(ShiftCommand, PointArguments)
{
    OvcoordRun run = runOvcoord(shiftArgs("wgs84", "gcj02",
        { QStringLiteral("116.397128,39.916527"), QStringLiteral("121.473701,31.230416") }));
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.out, "116.403372494,39.917930749\n121.478224057,31.228473742\n");
    EXPECT_TRUE(run.err.isEmpty());

    run = runOvcoord(shiftArgs("WGS84", "bd09",
        { QStringLiteral("--precision"), QStringLiteral("4"),
            QStringLiteral("116.397128,39.916527") }));
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.out, "116.4097,39.9243\n");

    // Outside the GCJ02 area WGS84 has no offset; a negative longitude after --.
    run = runOvcoord(shiftArgs("wgs84", "gcj02",
        { QStringLiteral("--precision"), QStringLiteral("0"), QStringLiteral("--"),
            QStringLiteral("-73.9,40.7") }));
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.out, "-74,41\n");
}

TEST(ShiftCommand, StandardInputFormatsAndBadLines)
{
    const QByteArray input = "116.397128,39.916527\r\n"
                             "  121.473701 \t 31.230416\n"
                             "\n"
                             "# a comment\n"
                             "not a point\n"
                             "116.397128 , 39.916527\n"
                             "200,10\n"
                             "1,2,3\n"
                             "nan,nan\n"
                             "+116.397128,+39.916527";
    const OvcoordRun run = runOvcoord(shiftArgs("wgs84", "gcj02"), input);
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.out,
        "116.403372494,39.917930749\n121.478224057,31.228473742\n"
        "116.403372494,39.917930749\n116.403372494,39.917930749\n");
    const QList<QByteArray> errors = lines(run.err);
    ASSERT_EQ(errors.size(), 4) << run.err.constData();
    EXPECT_TRUE(errors[0].contains("line 5: not a point")) << errors[0].constData();
    EXPECT_TRUE(errors[1].contains("line 7: longitude or latitude out of range"));
    EXPECT_TRUE(errors[2].contains("line 8: not a point"));
    EXPECT_TRUE(errors[3].contains("line 9: not a point"));
}

TEST(ShiftCommand, BadArgumentsAreSkippedWithExitOne)
{
    const OvcoordRun run = runOvcoord(shiftArgs("gcj02", "bd09",
        { QStringLiteral("x"), QStringLiteral("116.40337249402477,39.917930749245947"),
            QString() }));
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.out, "116.409739337,39.924269294\n");
    EXPECT_TRUE(run.err.contains("argument 1: not a point"));
    EXPECT_TRUE(run.err.contains("argument 3: not a point"));
}

TEST(ShiftCommand, EveryDirectionAndRoundTrips)
{
    const char* systems[] = { "wgs84", "gcj02", "bd09" };
    const QPointF start(116.397128, 39.916527);
    const QString text = QStringLiteral("116.397128,39.916527");
    for (const char* from : systems) {
        for (const char* to : systems) {
            SCOPED_TRACE(testing::Message() << from << " -> " << to);
            const OvcoordRun there = runOvcoord(
                shiftArgs(from, to, { QStringLiteral("--precision"), QStringLiteral("15"), text }));
            ASSERT_EQ(there.exitCode, 0);
            const QPointF shifted = point(there.out.trimmed());
            if (QLatin1String(from) == QLatin1String(to)) {
                EXPECT_EQ(shifted, start);
                continue;
            }
            EXPECT_GT(QLineF(shifted, start).length(), 1e-3); // offsets are hundreds of metres
            const OvcoordRun back = runOvcoord(shiftArgs(to, from,
                { QStringLiteral("--precision"), QStringLiteral("15"),
                    QString::fromLatin1(there.out.trimmed()) }));
            ASSERT_EQ(back.exitCode, 0);
            const QPointF returned = point(back.out.trimmed());
            EXPECT_NEAR(returned.x(), start.x(), 1e-4); // one-step inverses: metres
            EXPECT_NEAR(returned.y(), start.y(), 1e-4);
        }
    }
}

TEST(ShiftCommand, ChunkedInputShiftsEachPointOnItsOwn)
{
    // More than two chunks, with points outside the GCJ02 area and bad lines in between; a
    // sample of lines, chunk edges included, must come out as when shifted one at a time.
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
    for (const char* to : { "gcj02", "bd09" }) {
        SCOPED_TRACE(to);
        const OvcoordRun run = runOvcoord(shiftArgs("wgs84", to), input);
        EXPECT_EQ(run.exitCode, 1);
        EXPECT_EQ(lines(run.err).size(), 4);
        const QList<QByteArray> out = lines(run.out);
        ASSERT_EQ(out.size(), inputPoints.size());
        for (int i : { 5, 6, 8191, 8193, 16384, 19999 }) {
            const OvcoordRun single
                = runOvcoord(shiftArgs("wgs84", to, { QString::fromLatin1(inputPoints[i]) }));
            EXPECT_EQ(out[i], single.out.trimmed()) << i;
        }
    }
}

TEST(ShiftCommand, UsageErrors)
{
    const QStringList bad[] = {
        { QStringLiteral("shift"), QStringLiteral("--to"), QStringLiteral("gcj02") },
        shiftArgs("wgs72", "gcj02"),
        shiftArgs("wgs84", "mars"),
        shiftArgs("wgs84", "gcj02", { QStringLiteral("--precision"), QStringLiteral("18") }),
        shiftArgs("wgs84", "gcj02", { QStringLiteral("--precision"), QStringLiteral("two") }),
        shiftArgs("wgs84", "gcj02", { QStringLiteral("--frobnicate") }),
    };
    for (const QStringList& args : bad) {
        const OvcoordRun run = runOvcoord(args);
        EXPECT_EQ(run.exitCode, 2) << args.join(' ').toStdString();
        EXPECT_TRUE(run.out.isEmpty());
        EXPECT_TRUE(run.err.contains("ovcoord shift")) << run.err.constData();
    }
    const OvcoordRun help = runOvcoord({ QStringLiteral("shift"), QStringLiteral("--help") });
    EXPECT_EQ(help.exitCode, 0);
    EXPECT_TRUE(help.out.startsWith("Usage: ovcoord shift [options] [POINT...]"));
    EXPECT_TRUE(help.out.contains("--precision <N>"));
}

TEST(ShiftCommand, NeverCrashesOnJunk)
{
    QByteArray junk(70000, 'x');
    junk += "\n";
    for (int i = 0; i < 256; ++i)
        junk += static_cast<char>(i);
    junk += "\n1e400,1\n1,\n,1\n,\n-,-\n0x10,5\n1 2 3\n\t\n";
    junk += QByteArray("12,3", 4).append('\0').append("4\n");
    const OvcoordRun run = runOvcoord(shiftArgs("bd09", "wgs84"), junk);
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.out.isEmpty()) << run.out.constData();
}
