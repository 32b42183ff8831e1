#pragma once

#include <QByteArray>
#include <QProcess>
#include <QStringList>

#include <gtest/gtest.h>

#include <vector>

// Runs the ovcoord binary with ARGS (and INPUT on standard input) and collects
// what it printed.
struct OvcoordRun
{
    int exitCode = -1;
    QByteArray out;
    QByteArray err;
};

inline OvcoordRun runOvcoord(const QStringList& args, const QByteArray& input = QByteArray())
{
    QProcess process;
    process.start(QStringLiteral(OVCOORD_BIN), args);
    process.waitForStarted();
    process.write(input);
    process.closeWriteChannel();
    process.waitForFinished(120000);
    OvcoordRun run;
    run.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    run.out = process.readAllStandardOutput();
    run.err = process.readAllStandardError();
    return run;
}

// One command line and what it must do. ARGS are UTF-8, separated by '|', with
// %d standing for the test's folder and %s for the sample vector file. OUT is
// what standard output starts with (nullptr: nothing is printed), ERR what
// standard error contains (nullptr: not checked), LINES the number of output
// lines (-1: not checked).
struct CommandLine
{
    const char* args;
    int exitCode;
    const char* out = nullptr;
    const char* err = nullptr;
    int lines = -1;
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
        const OvcoordRun run = runOvcoord(commandArgs(c.args, dir));
        EXPECT_EQ(run.exitCode, c.exitCode) << run.err.constData();
        const bool outOk = c.out ? run.out.contains(c.out) : run.out.isEmpty();
        EXPECT_TRUE(outOk) << run.out.constData();
        EXPECT_TRUE(!c.err || run.err.contains(c.err)) << run.err.constData();
        EXPECT_TRUE(c.lines < 0 || run.out.count('\n') == c.lines) << run.out.constData();
    }
}
