#include "Command.h"
#include "DegreeFormatOption.h"

#include "OvCoordSystem/coord/DmsExtent.h"

// ovcoord convert --from FMT --to FMT TEXT
namespace {
const char kName[] = "convert";

int runConvert(const QStringList& args)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Writes a corner LNG,LAT in another degree format. A TEXT holding \"°\" is read as "
        "symbols and one holding \":\" as colons, whatever --from says. Formats: decimal, "
        "packed, symbols, colons. Put TEXT after -- when it starts with \"-\"."));
    const QCommandLineOption fromOption(
        QStringLiteral("from"), QStringLiteral("Degree format of TEXT."), QStringLiteral("FMT"));
    const QCommandLineOption toOption(
        QStringLiteral("to"), QStringLiteral("Degree format to write."), QStringLiteral("FMT"));
    parser.addOption(fromOption);
    parser.addOption(toOption);
    parser.addPositionalArgument(QStringLiteral("TEXT"), QStringLiteral("The corner, LNG,LAT."));
    int status = ExitOk;
    if (!parseCommandLine(parser, kName, args, &status)) return status;

    E_DEGREE_FOARMAT formats[2] = { DEGREE_DECIMAL, DEGREE_DECIMAL };
    const QCommandLineOption* options[2] = { &fromOption, &toOption };
    for (int i = 0; i < 2; ++i) {
        const QString option = options[i]->names().first();
        if (!parser.isSet(*options[i]))
            return usageError(kName, QStringLiteral("--%1 FMT is required").arg(option));
        if (!degreeFormatFromName(parser.value(*options[i]), &formats[i]))
            return usageError(kName,
                QStringLiteral("unknown format '%1' for --%2 (decimal, packed, symbols or colons)")
                    .arg(parser.value(*options[i]), option));
    }
    const QStringList positional = parser.positionalArguments();
    if (positional.size() != 1) return usageError(kName, QStringLiteral("expected one TEXT"));

    E_DEGREE_FOARMAT source = formats[0];
    const QString converted = CDmsExtent().DmsConvert(positional[0], source, formats[1]);
    if (source != formats[0])
        err() << "ovcoord convert: read as " << degreeFormatName(source) << " format\n";
    if (converted.isEmpty()) {
        err() << "ovcoord convert: '" << positional[0]
              << "' is not a corner: two values joined by \",\"\n";
        err().flush();
        return ExitFailure;
    }
    err().flush();
    out() << converted << "\n";
    out().flush();
    return ExitOk;
}

const CommandRegistrar registrar(
    { kName, "write a corner LNG,LAT in another degree format", runConvert });
} // namespace
