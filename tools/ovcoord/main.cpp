#include "Command.h"

#include <QCoreApplication>

namespace {
void printUsage(QTextStream& stream)
{
    stream << "Usage: ovcoord COMMAND [options] [arguments]\n\n"
           << "Coordinates, coordinate text and vector export on the command line.\n\n"
           << "Commands:\n";
    for (const Command& command : CommandRegistry::all())
        stream << "  " << QString::fromLatin1(command.name).leftJustified(12) << command.summary
               << "\n";
    stream << "\nRun 'ovcoord COMMAND --help' for the options of a command.\n";
    stream.flush();
}
} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("ovcoord"));
    QStringList args = QCoreApplication::arguments().mid(1);
    if (args.isEmpty()) {
        printUsage(err());
        return ExitUsage;
    }
    const QString name = args.takeFirst();
    if (name == QLatin1String("--help") || name == QLatin1String("-h")
        || name == QLatin1String("help")) {
        printUsage(out());
        return ExitOk;
    }
    const Command* command = CommandRegistry::find(name);
    if (!command) {
        err() << "ovcoord: unknown command '" << name << "'. Run 'ovcoord --help' for the list.\n";
        err().flush();
        return ExitUsage;
    }
    return command->run(args);
}
