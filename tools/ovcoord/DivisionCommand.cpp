#include "Command.h"
#include "DivisionLookup.h"

#include "OvCoordSystem/coord/ExportTools.h"
#include "OvCoordSystem/host/annotation/GeometryData.h"
#include "OvCoordSystem/host/map/IOvMapModule.h"
#include "OvCoordSystem/host/search/ILocationDataSearchModule.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <algorithm>
#include <limits>

namespace {
const char* const kLevelNames[] = { "", "province", "city", "county" };

QJsonObject Properties(const tagDivisionInfo& info)
{
    return QJsonObject { { "code", QString::fromStdString(info.code) },
        { "name", DivisionLookup::fromHost(info.name) }, { "level", info.level },
        { "parent", QString::fromStdString(info.parent) } };
}

// One GeoJSON polygon per part, each ring closed as GeoJSON wants it.
void PrintGeoJson(const tagDivisionInfo& info, const std::vector<CGeometryData>& parts)
{
    QJsonArray polygons;
    for (const CGeometryData& part : parts) {
        QJsonArray ring;
        for (const CVector3D& point : part.GetPoints())
            ring.append(QJsonArray { point.x, point.y });
        if (part.GetSize() > 0 && part.At(0) != part.At(part.GetSize() - 1))
            ring.append(ring.first());
        polygons.append(QJsonArray { ring });
    }
    const QJsonObject geometry { { "type", "MultiPolygon" }, { "coordinates", polygons } };
    const QJsonObject feature { { "type", "Feature" }, { "properties", Properties(info) },
        { "geometry", geometry } };
    out() << QString::fromUtf8(QJsonDocument(feature).toJson(QJsonDocument::Compact)) << "\n";
    out().flush();
}

void PrintSummary(ILocationDataSearchModule* search, const tagDivisionInfo& info,
    const std::vector<CGeometryData>& parts)
{
    double minX = std::numeric_limits<double>::infinity(), minY = minX;
    double maxX = -minX, maxY = -minX, area = 0.0;
    int vertices = 0;
    for (const CGeometryData& part : parts) {
        vertices += part.GetSize();
        area += GetGlobalOvMapModule()->CalcArea(part.GetPoints());
        for (const CVector3D& point : part.GetPoints()) {
            minX = std::min(minX, point.x);
            maxX = std::max(maxX, point.x);
            minY = std::min(minY, point.y);
            maxY = std::max(maxY, point.y);
        }
    }
    tagDivisionInfo parent;
    const bool hasParent = !info.parent.empty() && search->FindDivision(info.parent, parent);
    const int level = info.level >= 1 && info.level <= 3 ? info.level : 0;
    out() << "code: " << info.code.c_str() << "\n"
          << "name: " << DivisionLookup::fromHost(info.name) << "\n"
          << "level: " << info.level << " " << kLevelNames[level] << "\n"
          << "parent: "
          << (hasParent ? QString::fromStdString(parent.code) + " "
                         + DivisionLookup::fromHost(parent.name)
                        : QStringLiteral("(none)"))
          << "\n"
          << "polygons: " << parts.size() << "\n"
          << "vertices: " << vertices << "\n";
    if (vertices > 0)
        out() << "bounds: " << QString::number(minX, 'f', 6) << "," << QString::number(minY, 'f', 6)
              << " .. " << QString::number(maxX, 'f', 6) << "," << QString::number(maxY, 'f', 6)
              << "\n";
    out() << "area: " << QString::number(area / 1e6, 'f', 1) << " km2\n"
          << "data: " << QString::fromLocal8Bit(search->GetDataFile().c_str()) << "\n";
    out().flush();
}

// Writes the division's range as a download range file, as the library's range export does:
// never over an existing file.
int ExportRange(const QString& path, const std::vector<CGeometryData>& parts, int mapType)
{
    if (I_ExportTools::toExportDownRange(path, DivisionLookup::polygons(parts), mapType)) {
        out() << "written: " << path << "\n";
        out().flush();
        return ExitOk;
    }
    err() << "ovcoord division: " << path
          << (parts.empty() ? QStringLiteral(": the division has no boundary")
                            : QStringLiteral(
                                " (or a file the write would create) exists; nothing written"))
          << "\n";
    err().flush();
    return ExitFailure;
}

int runDivision(const QStringList& args)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Prints an administrative division of China: code, name, level, parent, polygons, "
        "vertices, bounds and geodesic area (WGS84 ellipsoid). CODE is six digits, NAME a "
        "division's name or its start. With --export, writes its range to FILE instead."));
    parser.addPositionalArgument(
        QStringLiteral("CODE|NAME"), QStringLiteral("e.g. 110105 or 北京"));
    const QCommandLineOption geojson(QStringLiteral("geojson"),
        QStringLiteral("Print the boundary as a GeoJSON Feature (one polygon per part) instead."));
    const QCommandLineOption exportTo(QStringLiteral("export"),
        QStringLiteral("Write the division's range to FILE (.shp, .kml, .kmz, .dxf or .tab), one "
                       "polygon per part; an existing FILE is never overwritten."),
        QStringLiteral("FILE"));
    const QCommandLineOption mapType(QStringLiteral("map-type"),
        QStringLiteral("Host map type of the export (default 0); Baidu types (12, 13) shift the "
                       "points to BD09."),
        QStringLiteral("N"), QStringLiteral("0"));
    parser.addOption(geojson);
    parser.addOption(exportTo);
    parser.addOption(mapType);
    DivisionLookup lookup("division");
    lookup.addOptions(parser);
    int status = ExitOk;
    if (!parseCommandLine(parser, "division", args, &status)) return status;
    bool typeOk = false;
    const int type = parser.value(mapType).toInt(&typeOk);
    if (parser.positionalArguments().size() != 1 || !typeOk)
        return usageError("division",
            QStringLiteral("expected one CODE or NAME%1.")
                .arg(typeOk ? QString() : QStringLiteral(" and a whole number after --map-type")));
    out().setCodec("UTF-8");
    err().setCodec("UTF-8");
    tagDivisionInfo info;
    if (!lookup.open(parser) || !lookup.resolve(parser.positionalArguments().first(), &info))
        return ExitFailure;
    const std::vector<CGeometryData> parts = lookup.parts(info);
    if (parser.isSet(exportTo)) return ExportRange(parser.value(exportTo), parts, type);
    if (parser.isSet(geojson))
        PrintGeoJson(info, parts);
    else
        PrintSummary(lookup.search(), info, parts);
    return ExitOk;
}

const CommandRegistrar registrar(
    { "division", "print an administrative division and its boundary", runDivision });

} // namespace
