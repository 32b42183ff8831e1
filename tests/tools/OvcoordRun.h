#pragma once

#include "ProgramRun.h"

#include <gtest/gtest.h>

#include <vector>

inline ProgramRun runOvcoord(const QStringList& args, const QByteArray& input = QByteArray())
{
    return runProgram(QStringLiteral(OVCOORD_BIN), args, input);
}

// One run of ovcoord and what it must do. ARGS are UTF-8, separated by '|', with %d standing for
// the test's folder (also in ERR) and %s for the sample vector file. OUT is what standard output
// contains (nullptr: nothing is printed), ERR what standard error contains (nullptr: not
// checked), LINES the number of output lines (-1: not checked), INPUT the standard input.
struct CommandLine
{
    const char* args;
    int exitCode;
    const char* out = nullptr;
    const char* err = nullptr;
    int lines = -1;
    const char* input = nullptr;
};

inline QStringList commandArgs(const char* args, const QString& dir = QString())
{
    QStringList list = QString::fromUtf8(args).split(QLatin1Char('|'));
    for (QString& arg : list)
        arg.replace(QLatin1String("%d"), dir)
            .replace(QLatin1String("%s"), QStringLiteral(OV_TEST_DATA_DIR "/sample/range.geojson"));
    return list;
}

inline void expectCommandLines(
    const std::vector<CommandLine>& cases, const QString& dir = QString())
{
    for (const CommandLine& c : cases) {
        SCOPED_TRACE(c.args);
        const ProgramRun run = runOvcoord(commandArgs(c.args, dir), c.input);
        EXPECT_EQ(run.exitCode, c.exitCode) << run.err.constData();
        EXPECT_TRUE(c.out ? run.out.contains(c.out) : run.out.isEmpty()) << run.out.constData();
        const QString err = QString::fromUtf8(c.err).replace(QLatin1String("%d"), dir);
        EXPECT_TRUE(!c.err || QString::fromUtf8(run.err).contains(err)) << run.err.constData();
        EXPECT_TRUE(c.lines < 0 || run.out.count('\n') == c.lines) << run.out.constData();
    }
}
