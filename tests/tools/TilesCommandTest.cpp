#include "OvcoordRun.h"

#include <gtest/gtest.h>

namespace {

TEST(TilesCommand, PrintsThePreviewTree)
{
    const OvcoordRun run = runOvcoord({ "tiles", QStringLiteral("{z}\\{x}-{y}"), "--levels", "2" });
    EXPECT_EQ(run.exitCode, 0) << run.err.constData();
    EXPECT_EQ(
        run.out, QByteArray("1/\n  1-1.jpg\n2/\n  1-1.jpg\n  2-1.jpg\n  1-2.jpg\n  2-2.jpg\n"));
    // Four levels by default: 4 folders and 1 + 4 + 16 + 64 files.
    const OvcoordRun preset = runOvcoord({ "tiles", QStringLiteral("{z-1}\\{x-1}_{y-1}") });
    EXPECT_EQ(preset.out.count('\n'), 4 + 85);
    EXPECT_TRUE(preset.out.startsWith("0/\n  0_0.jpg\n1/\n"));
    EXPECT_TRUE(preset.out.endsWith("  7_7.jpg\n"));
}

TEST(TilesCommand, PrintsOneTilesPath)
{
    const struct
    {
        QStringList args;
        const char* path;
    } cases[] = {
        { { "{z}\\{x+3}\\{y}", "--hex", "--upper", "--tile", "4,8,1" }, "4/00000B/000001.jpg\n" },
        { { "{z}\\{x+3}\\{y}", "--hex", "--tile", "4,8,1" }, "4/00000b/000001.jpg\n" },
        { { "L{z-1}\\R{y-1}\\C{x-1}", "--tile", "3,4,2" }, "L2/R1/C3.jpg\n" },
        { { "{z}_{x}_{y}", "--tile", "1,1,1" }, "1_1_1.jpg\n" },
    };
    for (const auto& c : cases) {
        const OvcoordRun run = runOvcoord(QStringList("tiles") + c.args);
        EXPECT_EQ(run.exitCode, 0) << c.args.join(' ').toStdString() << run.err.constData();
        EXPECT_EQ(run.out, QByteArray(c.path));
    }
}

TEST(TilesCommand, RefusesWhatNamesNothingOrIsOutOfRange)
{
    const OvcoordRun nothing = runOvcoord({ "tiles", "{x}_{y}", "--tile", "1,1,1" });
    EXPECT_EQ(nothing.exitCode, 1);
    EXPECT_TRUE(nothing.out.isEmpty());
    EXPECT_TRUE(nothing.err.contains("names no file"));
    const OvcoordRun empty = runOvcoord({ "tiles", "no braces" });
    EXPECT_EQ(empty.exitCode, 0);
    EXPECT_TRUE(empty.out.isEmpty());

    const QStringList usage[] = {
        { "tiles", "{z}/{x}/{y}", "--tile", "2,3,1" },
        { "tiles", "{z}/{x}/{y}", "--tile", "0,1,1" },
        { "tiles", "{z}/{x}/{y}", "--tile", "33,1,1" },
        { "tiles", "{z}/{x}/{y}", "--tile", "1,1" },
        { "tiles", "{z}/{x}/{y}", "--levels", "9" },
        { "tiles", "{z}/{x}/{y}", "--levels", "two" },
        { "tiles" },
    };
    for (const QStringList& args : usage) {
        const OvcoordRun run = runOvcoord(args);
        EXPECT_EQ(run.exitCode, 2) << args.join(' ').toStdString();
        EXPECT_TRUE(run.out.isEmpty());
    }
}

} // namespace
