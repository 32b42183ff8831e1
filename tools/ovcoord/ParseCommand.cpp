#include "Command.h"
#include "DegreeFormatOption.h"
#include "InputLines.h"

#include "OvCoordSystem/coord/CoordValid.h"

// ovcoord parse [--format FMT] [--value lng|lat] [TEXT]
namespace {
const char kName[] = "parse";

// Checks one value TEXT; prints valid or invalid.
bool checkValue(const QString& text, E_DEGREE_FOARMAT format, E_NUM_LNG_LAT axis, long long line)
{
    const bool ok = CCoordValid::GetInstance()->IsValid(text, format, axis);
    out() << (ok ? "valid" : "invalid") << "\n";
    if (!ok && line > 0)
        err() << "ovcoord parse: " << lineOrigin(line) << "'" << text << "' is not a valid "
              << (axis == NUM_LAT ? "latitude" : "longitude") << " in " << degreeFormatName(format)
              << " format\n";
    return ok;
}

// Reads the pair TEXT; prints LNG,LAT in decimal degrees or reports it on standard error.
bool readPair(const QString& text, E_DEGREE_FOARMAT format, long long line)
{
    const CCoordValid* valid = CCoordValid::GetInstance();
    QString lng;
    QString lat;
    if (valid->GetLB(text, lng, lat, format)) {
        out() << lng << "," << lat << "\n";
        return true;
    }
    // Only a refused text is checked again, to tell why.
    if (!valid->IsValid(text, format))
        err() << "ovcoord parse: " << lineOrigin(line) << "'" << text
              << "' is not a valid longitude/latitude pair in " << degreeFormatName(format)
              << " format\n";
    else
        err() << "ovcoord parse: " << lineOrigin(line) << "'" << text
              << QStringLiteral("' cannot be read: a value holds more than one \".\" or \"°\"\n");
    return false;
}

int runParse(const QStringList& args)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Checks coordinate text. A longitude/latitude pair (two values joined by \",\", \"，\" "
        "or one space) is printed as LNG,LAT in decimal degrees. Put TEXT after -- when it "
        "starts with \"-\".\n"
        "\n"
        "Without TEXT the texts are read from standard input, one per line, and each gives one "
        "line of output; empty lines and lines starting with # are skipped. A line that is "
        "refused is reported on standard error with its number, and the exit status is then "
        "1."));
    const QCommandLineOption formatOption(QStringLiteral("format"),
        QStringLiteral("Degree format of TEXT: decimal (default), packed, symbols or colons."),
        QStringLiteral("FMT"), QStringLiteral("decimal"));
    const QCommandLineOption valueOption(QStringLiteral("value"),
        QStringLiteral("Check TEXT as one value of AXIS (lng or lat); prints valid or invalid."),
        QStringLiteral("AXIS"));
    parser.addOption(formatOption);
    parser.addOption(valueOption);
    parser.addPositionalArgument(
        QStringLiteral("TEXT"), QStringLiteral("The coordinate text."), QStringLiteral("[TEXT]"));
    int status = ExitOk;
    if (!parseCommandLine(parser, kName, args, &status)) return status;

    E_DEGREE_FOARMAT format = DEGREE_DECIMAL;
    if (!degreeFormatFromName(parser.value(formatOption), &format))
        return usageError(kName,
            QStringLiteral("unknown format '%1' (decimal, packed, symbols or colons)")
                .arg(parser.value(formatOption)));
    const QStringList positional = parser.positionalArguments();
    if (positional.size() > 1) return usageError(kName, QStringLiteral("expected one TEXT"));

    std::function<bool(const QString&, long long)> check
        = [format](const QString& text, long long line) { return readPair(text, format, line); };
    if (parser.isSet(valueOption)) {
        const QString axisName = parser.value(valueOption);
        if (axisName != QLatin1String("lng") && axisName != QLatin1String("lat"))
            return usageError(
                kName, QStringLiteral("--value takes lng or lat, not '%1'").arg(axisName));
        const E_NUM_LNG_LAT axis = axisName == QLatin1String("lat") ? NUM_LAT : NUM_LNG;
        check = [format, axis](const QString& text, long long line) {
            return checkValue(text, format, axis, line);
        };
    }
    const bool ok = positional.isEmpty() ? eachInputLine(check) : check(positional[0], 0);
    out().flush();
    err().flush();
    return ok ? ExitOk : ExitFailure;
}

const CommandRegistrar registrar(
    { kName, "check coordinate text and print it in decimal degrees", runParse });
} // namespace
