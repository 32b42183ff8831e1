#include "Command.h"

#include <cstdio>

namespace {
std::vector<Command>& registry()
{
    static std::vector<Command> commands;
    return commands;
}
} // namespace

void CommandRegistry::add(const Command& command)
{
    registry().push_back(command);
}

const std::vector<Command>& CommandRegistry::all()
{
    return registry();
}

const Command* CommandRegistry::find(const QString& name)
{
    for (const Command& command : registry()) {
        if (name == QLatin1String(command.name)) return &command;
    }
    return nullptr;
}

QTextStream& out()
{
    static QTextStream stream(stdout);
    return stream;
}

QTextStream& err()
{
    static QTextStream stream(stderr);
    return stream;
}

int usageError(const char* command, const QString& message)
{
    err() << "ovcoord " << command << ": " << message << "\n"
          << "Try 'ovcoord " << command << " --help'.\n";
    err().flush();
    return ExitUsage;
}

int failure(const char* command, const QString& message)
{
    err() << "ovcoord " << command << ": " << message << "\n";
    err().flush();
    return ExitFailure;
}

bool parseCommandLine(
    QCommandLineParser& parser, const char* name, const QStringList& args, int* exitStatus)
{
    const QCommandLineOption help = parser.addHelpOption();
    const QString program = QStringLiteral("ovcoord %1").arg(QLatin1String(name));
    if (!parser.parse(QStringList(program) + args)) {
        *exitStatus = usageError(name, parser.errorText());
        return false;
    }
    if (parser.isSet(help)) {
        // Qt names the binary in the usage line; name the command instead.
        QString text = parser.helpText();
        const int options = text.indexOf(QLatin1String(" [options]"));
        if (options > 0) text.replace(0, options, QStringLiteral("Usage: ") + program);
        out() << text;
        out().flush();
        *exitStatus = ExitOk;
        return false;
    }
    return true;
}
