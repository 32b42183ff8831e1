// The short commands, one table each: every row is one run of ovcoord.
#include "OvcoordRun.h"

TEST(OvcoordCli, CommandLines)
{
    expectCommandLines({
        { "--help", 0, "Usage: ovcoord COMMAND" },
        { "frobnicate", 2, nullptr, "unknown command 'frobnicate'" },
    });
    EXPECT_EQ(runOvcoord({}).exitCode, 2);
}

TEST(ParseCommand, CommandLines)
{
    const char* usage = "Try 'ovcoord parse --help'.";
    expectCommandLines({
        // decimal is the default; a text starting with "-" follows "--".
        { "parse|--|-180,-90", 0, "-180,-90\n", nullptr, 1 },
        { "parse|--format|packed|120.3030 30.1500", 0, "120.5083333333,30.25\n" },
        { "parse|--format|symbols|120°30′30″W，30°15′00″S", 0, "-120.5083333333,-30.25\n" },
        { "parse|--format|colons|120：30：30,30:15", 0, "120.5083333333,30.25\n" },
        { "parse|--format|colons|180:00:01,30", 1, nullptr,
            "not a valid longitude/latitude pair in colons format" },
        // Valid by the grammar, but a value holds two points.
        { "parse|--format|symbols|120.5°30.5′,30", 1, nullptr, "cannot be read" },
        { "parse|120.5  30.25", 1 },
        { "parse|--value|lng|--|-180", 0, "valid\n" },
        { "parse|--format|symbols|--value|lat|39°54′27″N", 0, "valid\n" },
        { "parse|--format|packed|--value|lng|120.6130", 1, "invalid\n" },
        { "parse|1,2|3,4", 2, nullptr, usage },
        { "parse|--format|dms|1,2", 2, nullptr, usage },
        { "parse|--value|x|1", 2, nullptr, usage },
    });
}

TEST(ConvertCommand, CommandLines)
{
    expectCommandLines({
        { "convert|--from|decimal|--to|symbols|--|-116.5,39.75", 0, "-116°30′00″,39°45′00″\n" },
        // A text with ":" is read as colons whatever --from says.
        { "convert|--from|decimal|--to|packed|120:30,30:15:30", 0, "120.3000,30.1530\n",
            "read as colons" },
        { "convert|--from|packed|--to|decimal|1,2,3", 1, nullptr, "not a corner" },
        { "convert|--to|decimal|1,2", 2 },
        { "convert|--from|x|--to|decimal|1,2", 2 },
    });
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
    const OvcoordRun pairs = runOvcoord(commandArgs("parse|--format|packed"), input);
    EXPECT_EQ(pairs.exitCode, 1);
    EXPECT_EQ(pairs.out, QByteArray("120.5083333333,30.25\n-0.5,51.5\n180,90\n"));
    const QList<QByteArray> refused = pairs.err.trimmed().split('\n');
    ASSERT_EQ(refused.size(), 2) << pairs.err.constData();
    EXPECT_TRUE(refused[0].contains("line 4: '120.6130,30'")) << refused[0].constData();
    EXPECT_TRUE(refused[1].contains("line 6: 'junk'")) << refused[1].constData();

    const OvcoordRun values
        = runOvcoord(commandArgs("parse|--format|colons|--value|lat"), "90:00\n90:01\n");
    EXPECT_EQ(values.exitCode, 1);
    EXPECT_EQ(values.out, QByteArray("valid\ninvalid\n"));
    EXPECT_TRUE(values.err.contains("line 2: '90:01' is not a valid latitude"));

    const OvcoordRun allValid = runOvcoord(commandArgs("parse"), "1,2\n3 4\n");
    EXPECT_EQ(allValid.exitCode, 0) << allValid.err.constData();
    EXPECT_EQ(allValid.out, QByteArray("1,2\n3,4\n"));
    EXPECT_TRUE(allValid.err.isEmpty());
}

TEST(ConvertCommand, ReadsOneCornerPerInputLine)
{
    const OvcoordRun run = runOvcoord(commandArgs("convert|--from|decimal|--to|colons"),
        "120.5,30.25\nnot a corner\n120°30′,30°\n");
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.out, QByteArray("120:30:00,30:15:00\n120:30:00,30:00:00\n"));
    EXPECT_TRUE(run.err.contains("line 2: 'not a corner' is not a corner")) << run.err.constData();
    // A format read instead of --from is reported once, with the first line that needed it.
    EXPECT_EQ(run.err.count("read as symbols format"), 1);
    EXPECT_TRUE(run.err.contains("line 3: read as symbols format"));
}

TEST(WktAndCatalogCommands, CommandLines)
{
    expectCommandLines({
        { "wkt|4326", 0, "GEOGCS[\"WGS 84\"", nullptr, 1 },
        { "wkt|54004", 0, "PROJCS[\"World_Mercator\"" },
        { "wkt|999999", 1, nullptr, "999999" },
        { "wkt|--|-1", 1 },
        { "wkt|epsg:4326", 2 },
        { "wkt|4326|3857", 2 },
        { "wkt", 2 },
        { "wkt|--frob", 2 },
        // Code, tab, name lines in code order.
        { "catalog|--kind|gk|--datum|beijing54", 0, "21453\tBeijing 1954 GK CM 75\n", nullptr, 11 },
        { "catalog|--kind|gk|--width|3|--zone-numbers", 0,
            "4513\tCGCS 2000 3 Degree GK Zone 25\n" }, // cgcs2000 is the default
        { "catalog|--kind|utm|--south", 0, "32701\tWGS 84 / UTM zone 1S\n", nullptr, 60 },
        { "catalog|--kind|world", 0, "3857\tWGS 84 / Pseudo-Mercator\n54004\tWorld Mercator\n",
            nullptr, 2 },
        { "catalog", 2 },
        { "catalog|--kind|mars", 2 },
        { "catalog|--kind|gk|--width|4", 2 },
        { "catalog|--kind|utm|--datum|xian80", 2 },
        { "catalog|--kind|gk|--south", 2 },
        { "catalog|--kind|gk|--datum|wgs84", 2 },
        { "catalog|--kind|geographic|extra", 2 },
    });
}
