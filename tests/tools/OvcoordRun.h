#pragma once

#include <QByteArray>
#include <QProcess>
#include <QStringList>

// Runs the ovcoord binary with ARGS (and INPUT on standard input) and collects what it printed.
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
