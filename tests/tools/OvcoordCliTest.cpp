#include "OvcoordRun.h"

#include <gtest/gtest.h>

TEST(OvcoordCli, HelpListsCommandsAndExitsZero)
{
    const OvcoordRun run = runOvcoord({ QStringLiteral("--help") });
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_TRUE(run.out.startsWith("Usage: ovcoord COMMAND"));
}

TEST(OvcoordCli, MissingOrUnknownCommandIsAUsageError)
{
    EXPECT_EQ(runOvcoord({}).exitCode, 2);
    const OvcoordRun run = runOvcoord({ QStringLiteral("frobnicate") });
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_TRUE(run.err.contains("unknown command 'frobnicate'"));
}
