#pragma once

#include <QCommandLineParser>
#include <QStringList>
#include <QTextStream>

#include <vector>

// One sub-command of ovcoord. Each command lives in its own file and registers itself with a
// static CommandRegistrar, so adding a command touches no other file.
struct Command
{
    const char* name;
    const char* summary;
    // Runs the command on the arguments after its name; returns the process exit status.
    int (*run)(const QStringList& args);
};

// Exit statuses shared by every command.
enum ExitStatus
{
    ExitOk = 0,
    ExitFailure = 1, // the command ran and could not do its job
    ExitUsage = 2 // unknown command or option, missing argument
};

class CommandRegistry
{
public:
    static void add(const Command& command);
    static const std::vector<Command>& all();
    static const Command* find(const QString& name);
};

struct CommandRegistrar
{
    explicit CommandRegistrar(const Command& command) { CommandRegistry::add(command); }
};

QTextStream& out();
QTextStream& err();

// Parses ARGS of command NAME ("ovcoord NAME ..."). Handles --help (prints and returns ExitOk
// through *exitStatus) and errors (prints and returns ExitUsage); returns true when the command
// should go on.
bool parseCommandLine(
    QCommandLineParser& parser, const char* name, const QStringList& args, int* exitStatus);

// Prints "ovcoord COMMAND: MESSAGE" and the --help hint on standard error; returns ExitUsage.
int usageError(const char* command, const QString& message);
// Prints "ovcoord COMMAND: MESSAGE" on standard error; returns ExitFailure.
int failure(const char* command, const QString& message);
