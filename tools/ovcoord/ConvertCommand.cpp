#include "Command.h"
#include "DegreeFormatOption.h"
#include "InputLines.h"

#include "OvCoordSystem/coord/DmsExtent.h"

// ovcoord convert --from FMT --to FMT [TEXT]
namespace {
const char kName[] = "convert";

// Converts the corner TEXT (LINE 0 for the argument, else its input line) and prints it, or
// reports it on standard error. A format read instead of FROM is reported once per format.
class Converter
{
public:
    Converter(E_DEGREE_FOARMAT from, E_DEGREE_FOARMAT to)
        : m_from(from)
        , m_to(to)
    { }

    bool convert(const QString& text, long long line)
    {
        E_DEGREE_FOARMAT source = m_from;
        const QString converted = m_extent.DmsConvert(text, source, m_to);
        const QString where = lineOrigin(line);
        if (source != m_from && !m_reported.contains(source)) {
            m_reported.append(source);
            err() << "ovcoord convert: " << where << "read as " << degreeFormatName(source)
                  << " format\n";
        }
        if (converted.isEmpty()) {
            err() << "ovcoord convert: " << where << "'" << text
                  << "' is not a corner: two values joined by \",\"\n";
            return false;
        }
        out() << converted << "\n";
        return true;
    }

private:
    E_DEGREE_FOARMAT m_from;
    E_DEGREE_FOARMAT m_to;
    CDmsExtent m_extent;
    QList<E_DEGREE_FOARMAT> m_reported;
};

int runConvert(const QStringList& args)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Writes a corner LNG,LAT in another degree format. A TEXT holding \"°\" is read as "
        "symbols and one holding \":\" as colons, whatever --from says. Formats: decimal, "
        "packed, symbols, colons. Put TEXT after -- when it starts with \"-\".\n"
        "\n"
        "Without TEXT the corners are read from standard input, one per line, and each gives "
        "one line of output; empty lines and lines starting with # are skipped. A line that is "
        "refused is reported on standard error with its number, and the exit status is then "
        "1."));
    const QCommandLineOption fromOption(
        QStringLiteral("from"), QStringLiteral("Degree format of TEXT."), QStringLiteral("FMT"));
    const QCommandLineOption toOption(
        QStringLiteral("to"), QStringLiteral("Degree format to write."), QStringLiteral("FMT"));
    parser.addOption(fromOption);
    parser.addOption(toOption);
    parser.addPositionalArgument(
        QStringLiteral("TEXT"), QStringLiteral("The corner, LNG,LAT."), QStringLiteral("[TEXT]"));
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
    if (positional.size() > 1) return usageError(kName, QStringLiteral("expected one TEXT"));

    Converter converter(formats[0], formats[1]);
    const bool ok = positional.isEmpty()
        ? eachInputLine([&converter](const QString& text, long long line) {
              return converter.convert(text, line);
          })
        : converter.convert(positional[0], 0);
    out().flush();
    err().flush();
    return ok ? ExitOk : ExitFailure;
}

const CommandRegistrar registrar(
    { kName, "write a corner LNG,LAT in another degree format", runConvert });
} // namespace
