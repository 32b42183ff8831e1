#include "OvcoordRun.h"

#include <gtest/gtest.h>

namespace {
QStringList args(std::initializer_list<const char*> utf8)
{
    QStringList list;
    for (const char* a : utf8)
        list << QString::fromUtf8(a);
    return list;
}
} // namespace

TEST(ParseCommand, PrintsValidPairsInDecimalDegrees)
{
    const struct
    {
        const char* format;
        const char* text;
        const char* printed;
    } cases[] = { { "decimal", "120.5, 30.25", "120.5,30.25\n" },
        { "packed", "120.3030 30.1500", "120.5083333333,30.25\n" },
        { "symbols", "120°30′30″W，30°15′00″S", "-120.5083333333,-30.25\n" },
        { "colons", "120：30：30,30:15", "120.5083333333,30.25\n" } };
    for (const auto& c : cases) {
        const OvcoordRun run = runOvcoord(args({ "parse", "--format", c.format, c.text }));
        EXPECT_EQ(run.exitCode, 0) << c.text << run.err.constData();
        EXPECT_EQ(run.out, QByteArray(c.printed)) << c.text;
    }
    // decimal is the default; a text starting with "-" follows "--".
    const OvcoordRun run = runOvcoord(args({ "parse", "--", "-180,-90" }));
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.out, QByteArray("-180,-90\n"));
}

TEST(ParseCommand, RejectsInvalidPairsWithAMessage)
{
    const OvcoordRun invalid = runOvcoord(args({ "parse", "--format", "colons", "180:00:01,30" }));
    EXPECT_EQ(invalid.exitCode, 1);
    EXPECT_TRUE(invalid.out.isEmpty());
    EXPECT_TRUE(invalid.err.contains("not a valid longitude/latitude pair in colons format"));

    // Valid by the grammar, but a value holds two points.
    const OvcoordRun unreadable
        = runOvcoord(args({ "parse", "--format", "symbols", "120.5°30.5′,30" }));
    EXPECT_EQ(unreadable.exitCode, 1);
    EXPECT_TRUE(unreadable.err.contains("cannot be read"));

    EXPECT_EQ(runOvcoord(args({ "parse", "120.5  30.25" })).exitCode, 1);
}

TEST(ParseCommand, ChecksOneValue)
{
    const struct
    {
        const char* format;
        const char* axis;
        const char* text;
        bool valid;
    } cases[] = { { "decimal", "lng", "-180", true }, { "decimal", "lat", "-90.5", false },
        { "packed", "lng", "120.6130", false }, { "symbols", "lat", "39°54′27″N", true },
        { "colons", "lat", "90:00:00", true } };
    for (const auto& c : cases) {
        const OvcoordRun run
            = runOvcoord(args({ "parse", "--format", c.format, "--value", c.axis, "--", c.text }));
        EXPECT_EQ(run.exitCode, c.valid ? 0 : 1) << c.text;
        EXPECT_EQ(run.out, QByteArray(c.valid ? "valid\n" : "invalid\n")) << c.text;
    }
}

TEST(ParseCommand, UsageErrors)
{
    for (const QStringList& bad : { args({ "parse", "1,2", "3,4" }),
             args({ "parse", "--format", "dms", "1,2" }), args({ "parse", "--value", "x", "1" }),
             args({ "parse", "-120.5,30" }) }) {
        const OvcoordRun run = runOvcoord(bad);
        EXPECT_EQ(run.exitCode, 2) << bad.join(QLatin1Char(' ')).toStdString();
        EXPECT_TRUE(run.err.contains("Try 'ovcoord parse --help'."));
    }
}

TEST(ConvertCommand, WritesTheCornerInTheTargetFormat)
{
    OvcoordRun run = runOvcoord(
        args({ "convert", "--from", "decimal", "--to", "symbols", "--", "-116.5,39.75" }));
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.out, QString::fromUtf8("-116°30′00″,39°45′00″\n").toUtf8());

    // A text with ":" is read as colons whatever --from says.
    run = runOvcoord(args({ "convert", "--from", "decimal", "--to", "packed", "120:30,30:15:30" }));
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.out, QByteArray("120.3000,30.1530\n"));
    EXPECT_TRUE(run.err.contains("read as colons"));

    run = runOvcoord(args({ "convert", "--from", "packed", "--to", "decimal", "1,2,3" }));
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.out.isEmpty());
    EXPECT_TRUE(run.err.contains("not a corner"));

    EXPECT_EQ(runOvcoord(args({ "convert", "--to", "decimal", "1,2" })).exitCode, 2);
    EXPECT_EQ(runOvcoord(args({ "convert", "--from", "x", "--to", "decimal", "1,2" })).exitCode, 2);
}

TEST(ParseCommand, ReadsOneTextPerInputLine)
{
    const QByteArray input = "120.3030,30.1500\r\n"
                             "\n"
                             "# a comment\n"
                             "120.6130,30\n"
                             "-0.3000 51.3000\n"
                             "junk\n"
                             "180.0000,90";
    const OvcoordRun pairs = runOvcoord(args({ "parse", "--format", "packed" }), input);
    EXPECT_EQ(pairs.exitCode, 1);
    EXPECT_EQ(pairs.out, QByteArray("120.5083333333,30.25\n-0.5,51.5\n180,90\n"));
    const QList<QByteArray> refused = pairs.err.trimmed().split('\n');
    ASSERT_EQ(refused.size(), 2) << pairs.err.constData();
    EXPECT_TRUE(refused[0].contains("line 4: '120.6130,30'")) << refused[0].constData();
    EXPECT_TRUE(refused[1].contains("line 6: 'junk'")) << refused[1].constData();

    const OvcoordRun values
        = runOvcoord(args({ "parse", "--format", "colons", "--value", "lat" }), "90:00\n90:01\n");
    EXPECT_EQ(values.exitCode, 1);
    EXPECT_EQ(values.out, QByteArray("valid\ninvalid\n"));
    EXPECT_TRUE(values.err.contains("line 2: '90:01' is not a valid latitude"));

    const OvcoordRun allValid = runOvcoord(args({ "parse" }), "1,2\n3 4\n");
    EXPECT_EQ(allValid.exitCode, 0) << allValid.err.constData();
    EXPECT_EQ(allValid.out, QByteArray("1,2\n3,4\n"));
    EXPECT_TRUE(allValid.err.isEmpty());
}

TEST(ConvertCommand, ReadsOneCornerPerInputLine)
{
    const OvcoordRun run = runOvcoord(args({ "convert", "--from", "decimal", "--to", "colons" }),
        "120.5,30.25\nnot a corner\n120°30′,30°\n");
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.out, QByteArray("120:30:00,30:15:00\n120:30:00,30:00:00\n"));
    EXPECT_TRUE(run.err.contains("line 2: 'not a corner' is not a corner")) << run.err.constData();
    // A format read instead of --from is reported once, with the first line that needed it.
    EXPECT_EQ(run.err.count("read as symbols format"), 1);
    EXPECT_TRUE(run.err.contains("line 3: read as symbols format"));
}
