#include "Command.h"

#include "OvCoordSystem/coord/ExportTools.h"

namespace {

int runWkt(const QStringList& args)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Prints the WKT of an EPSG code."));
    parser.addPositionalArgument(QStringLiteral("CODE"), QStringLiteral("EPSG code, e.g. 4326"));
    int status = ExitOk;
    if (!parseCommandLine(parser, "wkt", args, &status)) return status;
    const QStringList positional = parser.positionalArguments();
    bool isNumber = false;
    const int code = positional.size() == 1 ? positional.first().toInt(&isNumber) : 0;
    if (!isNumber)
        return usageError("wkt", QStringLiteral("expected one EPSG code (a whole number)."));
    const QString wkt = I_ExportTools::getWkt(code);
    if (wkt.isEmpty()) {
        err() << "ovcoord wkt: GDAL knows no coordinate system with the code " << code << ".\n";
        err().flush();
        return ExitFailure;
    }
    out() << wkt << "\n";
    out().flush();
    return ExitOk;
}

const CommandRegistrar registrar({ "wkt", "print the WKT of an EPSG code", runWkt });

} // namespace
