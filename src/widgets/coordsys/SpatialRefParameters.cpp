#include "OvCoordSystem/widgets/coordsys/SpatialRefParameters.h"

#include "OvCoordSystem/geodesy/OvUuid.h"
#include "OvCoordSystem/geodesy/SpatialReference.h"
#include "OvCoordSystem/geodesy/SpatialReferenceFactorySingleton.h"
#include "OvCoordSystem/host/Tools.h"
#include "OvCoordSystem/host/app/OvLog.h"

#include <QFile>
#include <QFileInfo>
#include <QStringList>
#include <QTextCodec>
#include <QTextStream>

#include <cmath>

namespace {

// The map level handed to the host's BD09 shift; the shift does not depend on it.
constexpr int kShiftLevel = 20;
// A Gauss-Krüger easting with the zone prefix is zone × 10⁶ + easting in the zone (metres).
constexpr double kZonePrefix_m = 1000000.0;
constexpr int kLastZone = 61;
constexpr int kSevenDigits = 6;

// The local offset system standing for a GCJ02 or BD09 choice; 0 for the others.
int localGeoSRSOf(int coordSys)
{
    switch (coordSys) {
    case COORD_BD09_LNGLAT:
        return LOCAL_GEO_SRS_BD09_LNGLAT;
    case COORD_BD09_WEB_MERCATOR:
        return LOCAL_GEO_SRS_BD09_MERCATOR;
    case COORD_GCJ02_LNGLAT:
        return LOCAL_GEO_SRS_GCJ02_LNGLAT;
    case COORD_GCJ02_WEB_MERCATOR:
        return LOCAL_GEO_SRS_GCJ02_WEB_MERCATOR;
    default:
        return 0;
    }
}

// The easting that follows "$EXTMIN" and its group code 10; false when the file has none.
bool readExtMinX(QTextStream& in, double& x)
{
    while (!in.atEnd()) {
        if (in.readLine().trimmed() != QLatin1String("$EXTMIN")) continue;
        if (in.atEnd() || in.readLine().trimmed() != QLatin1String("10")) continue;
        bool ok = false;
        const double value = in.readLine().trimmed().toDouble(&ok);
        if (ok) {
            x = value;
            return true;
        }
    }
    return false;
}

// Sets the four projection parameters the caller controls on a valid reference.
void setProjParms(CSpatialReference* srs, const SpatialRefParameters& p)
{
    if (!srs || !srs->IsOGRSRSValid()) return;
    OGRSpatialReference* ogr = srs->GetOGRSRS();
    ogr->SetProjParm(SRS_PP_FALSE_EASTING, p.falseEasting);
    ogr->SetProjParm(SRS_PP_FALSE_NORTHING, p.falseNorthing);
    ogr->SetProjParm(SRS_PP_CENTRAL_MERIDIAN, p.meridian);
    ogr->SetProjParm(SRS_PP_LATITUDE_OF_ORIGIN, p.latitudeOfOrigin);
}

CSpatialReference* makeNamed(const SpatialRefParameters& p, E_COORDINATE_SYSTEM kind, int epsg)
{
    return EkGDALUtilityNS::MakeSpatialReference(
        OvCreateUUID(), kind, epsg, p.meridian, p.addZoneNO, p.seven, p.zoning, p.north);
}

} // namespace

bool SpatialRefParameters::IsGaussDatum(int coordSys)
{
    return coordSys == COORD_BEIJING54_GAUSS || coordSys == COORD_XIAN80_GAUSS
        || coordSys == COORD_CGCS2000_GAUSS;
}

void SpatialRefParameters::ResetFromPresets()
{
    meridian = presetMeridian;
    addZoneNO = presetAddZoneNO;
    zoning = presetZoning;
    north = presetNorth;
}

void SpatialRefParameters::InitalParameter(const EXTENT& extent, bool bd09)
{
    QPointF first(extent.dX1, extent.dY1);
    QPointF second(extent.dX2, extent.dY2);
    if (bd09) {
        first = Tools::bdToWGS84ByPoint(first.x(), first.y(), kShiftLevel);
        second = Tools::bdToWGS84ByPoint(second.x(), second.y(), kShiftLevel);
    }
    const double middle = (first.x() + second.x()) / 2.0;
    zoning = ELLIPOSE_ZONE_3;
    north = second.y() >= 0.0;
    meridian = 3.0 * std::trunc((middle + 1.5) / 3.0);
}

void SpatialRefParameters::TakeFromEpsg(int epsg)
{
    tagCoordinateSystem cs;
    if (!EkGDALUtilityNS::ConvertEPSGToCoordSystem(epsg, cs)) {
        OvLogWarn() << QStringLiteral("获取坐标系统描述信息失败");
        return;
    }
    TakeFrom(cs);
}

void SpatialRefParameters::TakeFrom(const tagCoordinateSystem& cs)
{
    if (cs.hasCentralMeridian) meridian = cs.centralMeridian;
    if (cs.hasZone) zoning = static_cast<E_ELLIPOSE_ZONE>(cs.zone);
    if (cs.hasHZone) addZoneNO = cs.hzone;
    if (cs.hasNorth) north = cs.north;
}

void SpatialRefParameters::GuessFromDxf()
{
    if (!filePathPending) return;
    if (filePath.isEmpty()) {
        filePathPending = false;
        return;
    }
    if (save || !IsGaussDatum(coordSys)) return;
    if (QFileInfo(filePath).suffix() != QLatin1String("dxf")) return;
    filePathPending = false;
    QFile file(filePath);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
        OvLogError() << QStringLiteral("打开文件失败：") << filePath;
        return;
    }
    QTextStream in(&file);
    double x = 0;
    if (!readExtMinX(in, x)) return;
    const double zone = std::trunc(x / kZonePrefix_m);
    if (zone == 0) {
        addZoneNO = presetAddZoneNO = false;
    } else if (zone >= 1 && zone <= kLastZone) {
        addZoneNO = presetAddZoneNO = true;
        zoning = presetZoning = ELLIPOSE_ZONE_3;
        meridian = presetMeridian = 3.0 * zone;
    } else {
        OvLogWarn() << QStringLiteral("文件【") << filePath << QStringLiteral("】解析到异常带号：")
                    << static_cast<long long>(zone);
    }
}

CSpatialReference* SpatialRefParameters::Make(int epsg)
{
    E_COORDINATE_SYSTEM kind = coordSys;
    if (epsg >= 0)
        kind = epsg == 4326 ? COORD_WGS84_LNGLAT
            : epsg == 3857  ? COORD_WGS84_WEB_MERCATOR
                            : COORD_BY_EPSG;
    if (const int local = localGeoSRSOf(kind)) {
        return CSpatialReferenceFactorySingleton::Instance()->GetOrCreateSRSViaLocalGeoSRS(
            static_cast<E_LOCAL_GEO_SRS>(local));
    }
    GuessFromDxf();
    CSpatialReference* srs = makeNamed(*this, kind, epsg);
    if (zoning != ELLIPOSE_ZONE_3 && zoning != ELLIPOSE_ZONE_6) setProjParms(srs, *this);
    return srs;
}

std::string SpatialRefParameters::DefaultsWkt(E_COORDINATE_SYSTEM datum, int epsg) const
{
    CSpatialReference* srs = makeNamed(*this, datum, epsg);
    if (!srs) return std::string();
    setProjParms(srs, *this);
    const std::string wkt = srs->ToWktString();
    CSpatialReferenceFactorySingleton::Instance()->DestroyNamedSRS(srs);
    return wkt;
}

std::string SpatialRefParameters::SevenText() const
{
    QStringList numbers;
    for (const double value : seven.params)
        numbers << QString::number(value, 'g', kSevenDigits);
    return QTextCodec::codecForName("GB18030")
        ->fromUnicode(numbers.join(QLatin1Char(',')))
        .toStdString();
}

bool SpatialRefParameters::SetSevenFromText(const std::string& text)
{
    const QString decoded = QTextCodec::codecForName("GB18030")->toUnicode(text.c_str());
    const QStringList entries = decoded.split(QLatin1Char(','));
    bool wellFormed = entries.size() == 7;
    for (int i = 0; i < 7; ++i) {
        bool ok = false;
        const double value = i < entries.size() ? entries[i].trimmed().toDouble(&ok) : 0.0;
        ok = ok && std::isfinite(value);
        seven.params[i] = ok ? value : 0.0;
        wellFormed = wellFormed && ok;
    }
    if (!wellFormed) OvLogWarn() << QStringLiteral("七参数格式错误：") << decoded;
    return wellFormed;
}
