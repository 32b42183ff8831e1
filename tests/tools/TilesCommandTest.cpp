#include "OvcoordRun.h"

#include <gtest/gtest.h>

#include <tuple>

TEST(TilesCommand, PrintsTheTreeOrOneTilesPath)
{
    const std::tuple<QStringList, int, const char*> cases[] = {
        { { "{z}\\{x}-{y}", "--levels", "2" }, 0,
            "1/\n  1-1.jpg\n2/\n  1-1.jpg\n  2-1.jpg\n  1-2.jpg\n  2-2.jpg\n" },
        { { "{z}\\{x+3}\\{y}", "--hex", "--upper", "--tile", "4,8,1" }, 0,
            "4/00000B/000001.jpg\n" },
        { { "no braces" }, 0, "" },
        { { "{x}_{y}", "--tile", "1,1,1" }, 1, "" }, // names no file
        { { "{z}/{x}/{y}", "--tile", "2,3,1" }, 2, "" }, // column 3 of 2
        { { "{z}/{x}/{y}", "--tile", "33,1,1" }, 2, "" },
        { { "{z}/{x}/{y}", "--levels", "9" }, 2, "" },
        { {}, 2, "" },
    };
    for (const auto& [args, exitCode, out] : cases) {
        const OvcoordRun run = runOvcoord(QStringList("tiles") + args);
        EXPECT_EQ(run.exitCode, exitCode) << args.join(' ').toStdString();
        EXPECT_EQ(run.out, QByteArray(out));
    }
    // Four levels by default: 4 folders and 1 + 4 + 16 + 64 files.
    EXPECT_EQ(runOvcoord({ "tiles", "{z-1}\\{x-1}_{y-1}" }).out.count('\n'), 4 + 85);
}
