#include "Command.h"
#include "DegreeFormatOption.h"

#include "OvCoordSystem/coord/CoordValid.h"

// ovcoord parse [--format FMT] [--value lng|lat] TEXT
namespace {
const char kName[] = "parse";

int runParse(const QStringList& args)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Checks coordinate text. A longitude/latitude pair (two values joined by \",\", \"，\" "
        "or one space) is printed as LNG,LAT in decimal degrees. Put TEXT after -- when it "
        "starts with \"-\"."));
    const QCommandLineOption formatOption(QStringLiteral("format"),
        QStringLiteral("Degree format of TEXT: decimal (default), packed, symbols or colons."),
        QStringLiteral("FMT"), QStringLiteral("decimal"));
    const QCommandLineOption valueOption(QStringLiteral("value"),
        QStringLiteral("Check TEXT as one value of AXIS (lng or lat); prints valid or invalid."),
        QStringLiteral("AXIS"));
    parser.addOption(formatOption);
    parser.addOption(valueOption);
    parser.addPositionalArgument(QStringLiteral("TEXT"), QStringLiteral("The coordinate text."));
    int status = ExitOk;
    if (!parseCommandLine(parser, kName, args, &status)) return status;

    E_DEGREE_FOARMAT format = DEGREE_DECIMAL;
    if (!degreeFormatFromName(parser.value(formatOption), &format))
        return usageError(kName,
            QStringLiteral("unknown format '%1' (decimal, packed, symbols or colons)")
                .arg(parser.value(formatOption)));
    const QStringList positional = parser.positionalArguments();
    if (positional.size() != 1) return usageError(kName, QStringLiteral("expected one TEXT"));
    const QString& text = positional[0];
    const CCoordValid* valid = CCoordValid::GetInstance();

    if (parser.isSet(valueOption)) {
        const QString axisName = parser.value(valueOption);
        if (axisName != QLatin1String("lng") && axisName != QLatin1String("lat"))
            return usageError(
                kName, QStringLiteral("--value takes lng or lat, not '%1'").arg(axisName));
        const E_NUM_LNG_LAT axis = axisName == QLatin1String("lat") ? NUM_LAT : NUM_LNG;
        const bool ok = valid->IsValid(text, format, axis);
        out() << (ok ? "valid" : "invalid") << "\n";
        out().flush();
        return ok ? ExitOk : ExitFailure;
    }

    QString lng;
    QString lat;
    if (!valid->IsValid(text, format)) {
        err() << "ovcoord parse: '" << text << "' is not a valid longitude/latitude pair in "
              << degreeFormatName(format) << " format\n";
        err().flush();
        return ExitFailure;
    }
    if (!valid->GetLB(text, lng, lat, format)) {
        err() << "ovcoord parse: '" << text
              << "' cannot be read: a value holds more than one \".\" or \"°\"\n";
        err().flush();
        return ExitFailure;
    }
    out() << lng << "," << lat << "\n";
    out().flush();
    return ExitOk;
}

const CommandRegistrar registrar(
    { kName, "check coordinate text and print it in decimal degrees", runParse });
} // namespace
