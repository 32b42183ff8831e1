#include "Command.h"

#include "OvCoordSystem/host/annotation/GeometryData.h"
#include "OvCoordSystem/host/annotation/IAnnotationFeature.h"
#include "OvCoordSystem/host/app/TextConvert.h"
#include "OvCoordSystem/host/map/IOvMapModule.h"
#include "OvCoordSystem/host/search/AdCode.h"
#include "OvCoordSystem/host/search/ILocationDataSearchModule.h"

#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <algorithm>
#include <limits>
#include <memory>

namespace {
const char* const kHostCodec = "GB18030";
const char* const kLevelNames[] = { "", "province", "city", "county" };

QString FromHost(const std::string& text)
{
    return ConvertStdStringToQString(text, kHostCodec);
}

int Fail(const QString& message)
{
    err() << "ovcoord division: " << message << "\n";
    err().flush();
    return ExitFailure;
}

// The division a CODE or NAME argument stands for: six digits are a code; anything else a name,
// taken exactly when some division has it, else as the start of a name. Several matches: the
// first (by level, then code), the others named on standard error.
bool Resolve(ILocationDataSearchModule* search, const QString& argument, tagDivisionInfo* info)
{
    const std::string text = ConvertQStringToStdString(argument, kHostCodec);
    if (tagAdCode(text).level != 0) return search->FindDivision(text, *info);
    const std::vector<tagDivisionInfo> found = search->FindDivisionsByName(text, 6);
    if (found.empty()) return false;
    *info = found.front();
    if (found.size() > 1) {
        err() << "ovcoord division: '" << argument << "' also names";
        for (size_t i = 1; i < found.size(); ++i)
            err() << " " << FromHost(found[i].name) << " (" << found[i].code.c_str() << ")";
        err() << (found.size() == 6 ? " and more" : "") << "\n";
        err().flush();
    }
    return true;
}

std::vector<CGeometryData> PartsOf(const IAnnotationFeature& feature)
{
    std::vector<CGeometryData> parts(static_cast<size_t>(feature.GetGeometryCount()));
    for (int i = 0; i < feature.GetGeometryCount(); ++i)
        feature.GetGeometry(parts[static_cast<size_t>(i)], i);
    return parts;
}

QJsonObject Properties(const tagDivisionInfo& info)
{
    return QJsonObject { { "code", QString::fromStdString(info.code) },
        { "name", FromHost(info.name) }, { "level", info.level },
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
          << "name: " << FromHost(info.name) << "\n"
          << "level: " << info.level << " " << kLevelNames[level] << "\n"
          << "parent: "
          << (hasParent ? QString::fromStdString(parent.code) + " " + FromHost(parent.name)
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

QString NoDataMessage(ILocationDataSearchModule* search)
{
    QStringList files;
    for (const std::string& name : search->GetSearchedFiles()) {
        const QString file = QString::fromLocal8Bit(name.c_str());
        if (QFileInfo::exists(file))
            return QStringLiteral("cannot read %1: not a GeoPackage with a layer \"divisions\" "
                                  "(code, name, level, parent)")
                .arg(file);
        files << file;
    }
    return QStringLiteral("no division data found; looked for ") + files.join(QStringLiteral(", "));
}

int runDivision(const QStringList& args)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Prints an administrative division of China: code, name, level, parent, polygons, "
        "vertices, bounds and geodesic area (WGS84 ellipsoid). CODE is six digits, NAME a "
        "division's name or its start."));
    parser.addPositionalArgument(
        QStringLiteral("CODE|NAME"), QStringLiteral("e.g. 110105 or 北京"));
    const QCommandLineOption geojson(QStringLiteral("geojson"),
        QStringLiteral("Print the boundary as a GeoJSON Feature (one polygon per part) instead."));
    const QCommandLineOption divisions(QStringLiteral("divisions"),
        QStringLiteral("GeoPackage of divisions to read (default: $OV_DIVISIONS, else the bundled "
                       "data)."),
        QStringLiteral("FILE"));
    parser.addOption(geojson);
    parser.addOption(divisions);
    int status = ExitOk;
    if (!parseCommandLine(parser, "division", args, &status)) return status;
    if (parser.positionalArguments().size() != 1) {
        err() << "ovcoord division: expected one CODE or NAME.\n"
              << "Try 'ovcoord division --help'.\n";
        err().flush();
        return ExitUsage;
    }
    out().setCodec("UTF-8");
    err().setCodec("UTF-8");
    ILocationDataSearchModule* search = GetOrCreateLocationDataSearchModule();
    if (parser.isSet(divisions))
        search->SetDataFile(parser.value(divisions).toLocal8Bit().toStdString());
    if (search->GetDataFile().empty()) return Fail(NoDataMessage(search));

    const QString argument = parser.positionalArguments().first();
    tagDivisionInfo info;
    if (!Resolve(search, argument, &info))
        return Fail(QStringLiteral("no division '%1' in %2")
                        .arg(argument, QString::fromLocal8Bit(search->GetDataFile().c_str())));
    const std::unique_ptr<IAnnotationFeature> feature(search->QueryDivision(info.code, 1));
    const std::vector<CGeometryData> parts
        = feature ? PartsOf(*feature) : std::vector<CGeometryData>();
    if (parser.isSet(geojson))
        PrintGeoJson(info, parts);
    else
        PrintSummary(search, info, parts);
    return ExitOk;
}

const CommandRegistrar registrar(
    { "division", "print an administrative division and its boundary", runDivision });

} // namespace
