#pragma once

#include <QByteArray>
#include <QProcess>
#include <QStringList>

// What a program printed and how it ended.
struct ProgramRun
{
    int exitCode = -1;
    QByteArray out;
    QByteArray err;
};

// Runs PROGRAM with ARGS and INPUT on standard input.
inline ProgramRun runProgram(
    const QString& program, const QStringList& args, const QByteArray& input = QByteArray())
{
    QProcess process;
    process.start(program, args);
    process.waitForStarted();
    process.write(input);
    process.closeWriteChannel();
    process.waitForFinished(120000);
    ProgramRun run;
    run.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    run.out = process.readAllStandardOutput();
    run.err = process.readAllStandardError();
    return run;
}
