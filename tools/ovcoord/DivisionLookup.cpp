#include "DivisionLookup.h"

#include "Command.h"

#include "OvCoordSystem/host/annotation/IAnnotationFeature.h"
#include "OvCoordSystem/host/app/TextConvert.h"
#include "OvCoordSystem/host/search/AdCode.h"
#include "OvCoordSystem/host/search/ILocationDataSearchModule.h"

#include <QFileInfo>

#include <memory>

namespace {
const char* const kHostCodec = "GB18030";
}

DivisionLookup::DivisionLookup(const char* command)
    : m_command(command)
    , m_divisions(QStringLiteral("divisions"),
          QStringLiteral("GeoPackage of divisions to read (default: $OV_DIVISIONS, else the "
                         "bundled data)."),
          QStringLiteral("FILE"))
    , m_search(GetOrCreateLocationDataSearchModule())
{ }

void DivisionLookup::addOptions(QCommandLineParser& parser) const
{
    parser.addOption(m_divisions);
}

QString DivisionLookup::fromHost(const std::string& text)
{
    return ConvertStdStringToQString(text, kHostCodec);
}

bool DivisionLookup::open(const QCommandLineParser& parser)
{
    if (parser.isSet(m_divisions))
        m_search->SetDataFile(parser.value(m_divisions).toLocal8Bit().toStdString());
    if (!m_search->GetDataFile().empty()) return true;
    QStringList files;
    for (const std::string& name : m_search->GetSearchedFiles()) {
        const QString file = QString::fromLocal8Bit(name.c_str());
        if (QFileInfo::exists(file)) {
            failure(m_command,
                QStringLiteral("cannot read %1: not a GeoPackage with a layer \"divisions\" "
                               "(code, name, level, parent)")
                    .arg(file));
            return false;
        }
        files << file;
    }
    failure(m_command,
        QStringLiteral("no division data found; looked for ") + files.join(QStringLiteral(", ")));
    return false;
}

bool DivisionLookup::resolve(const QString& argument, tagDivisionInfo* info)
{
    const std::string text = ConvertQStringToStdString(argument, kHostCodec);
    bool found = false;
    if (tagAdCode(text).level != 0) {
        found = m_search->FindDivision(text, *info);
    } else {
        const std::vector<tagDivisionInfo> matches = m_search->FindDivisionsByName(text, 6);
        found = !matches.empty();
        if (found) *info = matches.front();
        if (matches.size() > 1) {
            err() << "ovcoord " << m_command << ": '" << argument << "' also names";
            for (size_t i = 1; i < matches.size(); ++i)
                err() << " " << fromHost(matches[i].name) << " (" << matches[i].code.c_str() << ")";
            err() << (matches.size() == 6 ? " and more" : "") << "\n";
            err().flush();
        }
    }
    if (!found)
        failure(m_command,
            QStringLiteral("no division '%1' in %2")
                .arg(argument, QString::fromLocal8Bit(m_search->GetDataFile().c_str())));
    return found;
}

std::vector<CGeometryData> DivisionLookup::parts(const tagDivisionInfo& info)
{
    const std::unique_ptr<IAnnotationFeature> feature(m_search->QueryDivision(info.code, 1));
    std::vector<CGeometryData> parts(
        feature ? static_cast<size_t>(feature->GetGeometryCount()) : 0);
    for (size_t i = 0; i < parts.size(); ++i)
        feature->GetGeometry(parts[i], static_cast<int>(i));
    return parts;
}

QList<QPolygonF> DivisionLookup::polygons(const std::vector<CGeometryData>& parts)
{
    QList<QPolygonF> polygons;
    for (const CGeometryData& part : parts) {
        QPolygonF polygon;
        for (const CVector3D& point : part.GetPoints())
            polygon << QPointF(point.x, point.y);
        polygons << polygon;
    }
    return polygons;
}
