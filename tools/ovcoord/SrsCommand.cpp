#include "Command.h"

#include "OvCoordSystem/geodesy/SpatialReference.h"
#include "OvCoordSystem/geodesy/SpatialReferenceFactorySingleton.h"
#include "OvCoordSystem/host/app/OvLog.h"
#include "OvCoordSystem/widgets/coordsys/SpatialRefParameters.h"

#include <QFileInfo>
#include <QTextCodec>

// ovcoord srs [--datum D] [--meridian DEG] [--zone 3|6] [--prefix] [--south] [--seven P1,...,P7]
//             [--epsg CODE] [--dxf FILE]
//
// Prints the WKT that the spatial-reference maker widget builds for the same choices: the datum
// row (WGS84 stands for its UTM row), or with --epsg the catalogue row with that code, whose
// Gauss-Krüger parameters then come from the code. --dxf runs the widget's DXF guess first.
namespace {
const char kName[] = "srs";

struct Datum
{
    const char* name;
    E_COORDINATE_SYSTEM coordSys;
};
const Datum kDatums[] = {
    { "beijing54", COORD_BEIJING54_GAUSS },
    { "xian80", COORD_XIAN80_GAUSS },
    { "cgcs2000", COORD_CGCS2000_GAUSS },
    { "wgs84", COORD_WGS84_UTM },
};

// The library's log lines (the DXF guess reports through it) go to standard error.
void logToStandardError(OvLogLevel, const std::string& message)
{
    err() << "ovcoord srs: " << QTextCodec::codecForName("GB18030")->toUnicode(message.c_str())
          << "\n";
    err().flush();
}

// Reads the options into P and *EPSG; an empty text when they are usable, else the complaint.
QString readOptions(const QCommandLineParser& parser, SpatialRefParameters& p, int* epsg)
{
    const QString datum = parser.value(QStringLiteral("datum")).toLower();
    const Datum* found = nullptr;
    for (const Datum& d : kDatums) {
        if (datum == QLatin1String(d.name)) found = &d;
    }
    if (!found)
        return QStringLiteral("unknown datum '%1' (beijing54, xian80, cgcs2000, wgs84).")
            .arg(datum);
    p.coordSys = found->coordSys;

    bool ok = false;
    const double meridian = parser.value(QStringLiteral("meridian")).toDouble(&ok);
    if (!ok || !(meridian >= -180.0 && meridian <= 180.0))
        return QStringLiteral("--meridian takes degrees from -180 to 180.");
    const QString zone = parser.value(QStringLiteral("zone"));
    if (zone != QLatin1String("3") && zone != QLatin1String("6"))
        return QStringLiteral("--zone takes 3 or 6.");
    p.meridian = p.presetMeridian = meridian;
    p.zoning = p.presetZoning = zone == QLatin1String("3") ? ELLIPOSE_ZONE_3 : ELLIPOSE_ZONE_6;
    p.addZoneNO = p.presetAddZoneNO = parser.isSet(QStringLiteral("prefix"));
    p.north = p.presetNorth = !parser.isSet(QStringLiteral("south"));

    if (parser.isSet(QStringLiteral("seven"))
        && !p.SetSevenFromText(parser.value(QStringLiteral("seven")).toStdString()))
        return QStringLiteral("--seven takes seven numbers separated by commas.");

    *epsg = -1;
    if (parser.isSet(QStringLiteral("epsg"))) {
        *epsg = parser.value(QStringLiteral("epsg")).toInt(&ok);
        if (!ok || *epsg < 0) return QStringLiteral("--epsg takes a whole number.");
        p.coordSys = COORD_BY_EPSG;
    }
    if (parser.isSet(QStringLiteral("dxf"))) {
        p.filePath = parser.value(QStringLiteral("dxf"));
        p.filePathPending = true;
    }
    return QString();
}

int runSrs(const QStringList& args)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Prints the WKT of the spatial reference the spatial-reference maker "
                       "builds for a datum and its Gauss-Krüger or UTM parameters."));
    parser.addOptions({
        { QStringLiteral("datum"),
            QStringLiteral("beijing54, xian80, cgcs2000 (Gauss-Krüger) "
                           "or wgs84 (UTM); default cgcs2000."),
            QStringLiteral("D"), QStringLiteral("cgcs2000") },
        { QStringLiteral("meridian"), QStringLiteral("Central meridian in degrees; default 117."),
            QStringLiteral("DEG"), QStringLiteral("117") },
        { QStringLiteral("zone"), QStringLiteral("Zone width: 3 or 6 degrees; default 3."),
            QStringLiteral("3|6"), QStringLiteral("3") },
        { QStringLiteral("prefix"), QStringLiteral("Eastings carry the zone number in front.") },
        { QStringLiteral("south"), QStringLiteral("Southern hemisphere.") },
        { QStringLiteral("seven"),
            QStringLiteral(
                "Datum shift to WGS84: dx,dy,dz (m),rx,ry,rz (arc-seconds),scale (ppm)."),
            QStringLiteral("P1,...,P7") },
        { QStringLiteral("epsg"),
            QStringLiteral("A catalogued system by EPSG code instead of the datum."),
            QStringLiteral("CODE") },
        { QStringLiteral("dxf"),
            QStringLiteral("A DXF file whose $EXTMIN easting may carry the zone number."),
            QStringLiteral("FILE") },
    });
    int status = ExitOk;
    if (!parseCommandLine(parser, kName, args, &status)) return status;
    if (!parser.positionalArguments().isEmpty())
        return usageError(kName, QStringLiteral("takes no arguments besides its options."));

    OvSetLogSink(logToStandardError);
    SpatialRefParameters p;
    int epsg = -1;
    const QString problem = readOptions(parser, p, &epsg);
    if (!problem.isEmpty()) return usageError(kName, problem);
    if (epsg >= 0) {
        tagCoordinateSystem cs;
        if (!EkGDALUtilityNS::ConvertEPSGToCoordSystem(epsg, cs))
            return failure(kName,
                QStringLiteral("GDAL knows no coordinate system with the code %1.").arg(epsg));
        // As the widget does after a catalogue choice: a Gauss-Krüger code brings its parameters.
        if (cs.coordSys < COORD_WGS84_LNGLAT) p.TakeFromEpsg(epsg);
    }
    if (p.filePathPending && !QFileInfo(p.filePath).isFile())
        return failure(kName, QStringLiteral("cannot read the DXF file %1.").arg(p.filePath));
    if (p.filePathPending && QFileInfo(p.filePath).suffix() != QLatin1String("dxf"))
        err() << "ovcoord srs: " << p.filePath
              << " is not examined: only a suffix of exactly \"dxf\" is.\n";

    CSpatialReference* srs = p.Make(epsg);
    const std::string wkt = srs ? srs->ToWktString() : std::string();
    CSpatialReferenceFactorySingleton::Instance()->DestroyNamedSRS(srs);
    if (wkt.empty())
        return failure(kName, QStringLiteral("no spatial reference can be made of these choices."));
    out() << QString::fromStdString(wkt) << "\n";
    out().flush();
    return ExitOk;
}

const CommandRegistrar registrar(
    { kName, "print the WKT of a Gauss-Kruger or UTM spatial reference", runSrs });

} // namespace
