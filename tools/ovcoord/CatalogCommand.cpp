#include "Command.h"

#include "OvCoordSystem/vectors/I_VectorTools.h"
#include "OvCoordSystem/vectors/VectorToolFactory.h"

namespace {

// Accepted option values, in the order of the catalogue's numbers.
const QStringList kKinds = { QStringLiteral("gk"), QStringLiteral("world"), QStringLiteral("utm"),
    QStringLiteral("geographic") };
const QStringList kDatums
    = { QStringLiteral("beijing54"), QStringLiteral("xian80"), QStringLiteral("cgcs2000") };
constexpr int kGaussKruegerKind = 0;
constexpr int kUtmKind = 2;

int runCatalog(const QStringList& args)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Lists the coordinate systems of a catalogue, one 'CODE<TAB>NAME' line each, by code."));
    const QCommandLineOption kind(QStringLiteral("kind"),
        QStringLiteral("Catalogue: gk (Gauss-Krueger), world, utm or geographic."),
        QStringLiteral("KIND"));
    const QCommandLineOption datum(QStringLiteral("datum"),
        QStringLiteral("gk only: beijing54, xian80 or cgcs2000 (default cgcs2000)."),
        QStringLiteral("DATUM"), QStringLiteral("cgcs2000"));
    const QCommandLineOption width(QStringLiteral("width"),
        QStringLiteral("gk only: zone width in degrees, 3 or 6 (default 6)."),
        QStringLiteral("DEGREES"), QStringLiteral("6"));
    const QCommandLineOption zoneNumbers(QStringLiteral("zone-numbers"),
        QStringLiteral("gk only: systems named by zone number instead of central meridian."));
    const QCommandLineOption south(
        QStringLiteral("south"), QStringLiteral("utm only: southern zones instead of northern."));
    parser.addOptions({ kind, datum, width, zoneNumbers, south });
    int status = ExitOk;
    if (!parseCommandLine(parser, "catalog", args, &status)) return status;

    if (!parser.positionalArguments().isEmpty())
        return usageError("catalog",
            QStringLiteral("unexpected argument '%1'.").arg(parser.positionalArguments().first()));
    if (!parser.isSet(kind)) return usageError("catalog", QStringLiteral("--kind is required."));
    const int kindNumber = kKinds.indexOf(parser.value(kind));
    if (kindNumber < 0)
        return usageError("catalog", QStringLiteral("unknown kind '%1'.").arg(parser.value(kind)));
    const bool gaussKrueger = kindNumber == kGaussKruegerKind;
    if (!gaussKrueger && (parser.isSet(datum) || parser.isSet(width) || parser.isSet(zoneNumbers)))
        return usageError(
            "catalog", QStringLiteral("--datum, --width and --zone-numbers apply to gk only."));
    if (kindNumber != kUtmKind && parser.isSet(south))
        return usageError("catalog", QStringLiteral("--south applies to utm only."));
    const int datumNumber = kDatums.indexOf(parser.value(datum));
    if (datumNumber < 0)
        return usageError(
            "catalog", QStringLiteral("unknown datum '%1'.").arg(parser.value(datum)));
    const QString widthText = parser.value(width);
    if (widthText != QLatin1String("3") && widthText != QLatin1String("6"))
        return usageError(
            "catalog", QStringLiteral("zone width must be 3 or 6, not '%1'.").arg(widthText));

    I_VectorTools* tool = createVectorTool(VectorToolGeoTools);
    const QMap<int, QString> catalog = tool->getCoordSysCatalog(kindNumber, datumNumber,
        parser.isSet(zoneNumbers), widthText.toInt(), !parser.isSet(south));
    releaseVectorTool(tool);
    for (auto it = catalog.cbegin(); it != catalog.cend(); ++it)
        out() << it.key() << '\t' << it.value() << '\n';
    out().flush();
    return ExitOk;
}

const CommandRegistrar registrar(
    { "catalog", "list the coordinate systems of a catalogue with their EPSG codes", runCatalog });

} // namespace
