// The short commands, one table each: every row is one run of ovcoord, the texts of one format
// given together on standard input.
#include "OvcoordRun.h"

// Input lines: empty ones and comments are skipped but counted, each refused one is named.
TEST(CoordinateText, ParseAndConvertCommandLines)
{
    const char* usage = "Try 'ovcoord parse --help'.";
    expectCommandLines({
        // decimal is the default; a text starting with "-" follows "--".
        { "parse|--|-180,-90", 0, "-180,-90\n", nullptr, 1 },
        { "parse|120.5  30.25", 1 },
        { "parse|--format|packed|--value|lng|120.6130", 1, "invalid\n" },
        { "parse|1,2|3,4", 2, nullptr, usage },
        { "parse|--format|dms|1,2", 2, nullptr, usage },
        { "parse|--value|x|1", 2, nullptr, usage },
        { "parse", 0, "1,2\n3,4\n", nullptr, 2, "1,2\n3 4\n" },
        { "parse|--format|packed", 1, "120.5083333333,30.25\n-0.5,51.5\n180,90\n",
            "line 4: '120.6130,30' is not a valid longitude/latitude pair in packed format\n"
            "ovcoord parse: line 6: 'junk'",
            3,
            "120.3030,30.1500\r\n\n# a comment\n120.6130,30\n-0.3000 51.3000\njunk\n180.0000,90" },
        // Valid by the grammar, but a value holds two points.
        { "parse|--format|symbols", 1, "-120.5083333333,-30.25\n",
            "line 2: '120.5°30.5′,30' cannot be read", 1,
            "120°30′30″W，30°15′00″S\n120.5°30.5′,30\n" },
        { "parse|--format|colons", 1, "120.5083333333,30.25\n",
            "line 2: '180:00:01,30' is not a valid longitude/latitude pair in colons format", 1,
            "120：30：30,30:15\n180:00:01,30\n" },
        { "parse|--format|colons|--value|lat", 1, "valid\ninvalid\n",
            "line 2: '90:01' is not a valid latitude", 2, "90:00\n90:01\n" },
        // A format read instead of --from is reported once, with the first line that needed it.
        // A text with ":" is read as colons whatever --from says.
        { "convert|--from|decimal|--to|packed|120:30,30:15:30", 0, "120.3000,30.1530\n",
            "read as colons" },
        { "convert|--to|decimal|1,2", 2 },
        { "convert|--from|x|--to|decimal|1,2", 2 },
        { "convert|--from|decimal|--to|colons", 1,
            "120:30:00,30:00:00\n121:00:00,30:15:00\n120:30:00,30:15:00\n",
            "line 1: read as symbols format\novcoord convert: line 3: 'not a corner' is not a "
            "corner",
            3, "120°30′,30°\n121°,30.25°\nnot a corner\n120.5,30.25\n" },
    });
}

// The program's own usage, then the catalogue commands.
TEST(OvcoordCli, CommandLines)
{
    EXPECT_EQ(runOvcoord({}).exitCode, 2);
    expectCommandLines({
        { "--help", 0, "Usage: ovcoord COMMAND" },
        { "frobnicate", 2, nullptr, "unknown command 'frobnicate'" },
        { "wkt|4326", 0, "GEOGCS[\"WGS 84\"", nullptr, 1 },
        { "wkt|54004", 0, "PROJCS[\"World_Mercator\"" },
        { "wkt|999999", 1, nullptr, "999999" },
        { "wkt|--|-1", 1 },
        { "wkt|epsg:4326", 2 },
        { "wkt|4326|3857", 2 },
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

TEST(TilesCommand, PrintsTheTreeOrOneTilesPath)
{
    expectCommandLines({
        { "tiles|{z}\\{x}-{y}|--levels|2", 0,
            "1/\n  1-1.jpg\n2/\n  1-1.jpg\n  2-1.jpg\n  1-2.jpg\n  2-2.jpg\n", nullptr, 7 },
        // Four levels by default: 4 folders and 1 + 4 + 16 + 64 files.
        { "tiles|{z-1}\\{x-1}_{y-1}", 0, "0/\n  0_0.jpg\n", nullptr, 4 + 85 },
        { "tiles|{z}\\{x+3}\\{y}|--hex|--upper|--tile|4,8,1", 0, "4/00000B/000001.jpg\n", nullptr,
            1 },
        { "tiles|no braces", 0 },
        { "tiles|{x}_{y}|--tile|1,1,1", 1 }, // names no file
        { "tiles|{z}/{x}/{y}|--tile|2,3,1", 2 }, // column 3 of 2
        { "tiles|{z}/{x}/{y}|--tile|33,1,1", 2 },
        { "tiles|{z}/{x}/{y}|--levels|9", 2 },
        { "tiles", 2 },
    });
}
