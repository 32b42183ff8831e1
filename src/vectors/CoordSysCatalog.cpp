#include "OvCoordSystem/vectors/CoordSysCatalog_p.h"

#include <QMutex>

#include <atomic>
#include <cstddef>

namespace vectors {
namespace {

// EPSG code of Gauss-Krueger zone z: base + z, per datum, zone width and naming.
struct GaussKruegerCodes
{
    const char* datumName;
    int sixDegreeZone; // 6-degree zones named by number
    int sixDegreeMeridian; // 6-degree zones named by central meridian
    int threeDegreeZone;
    int threeDegreeMeridian;
};

const GaussKruegerCodes kGaussKrueger[] = {
    { "Beijing 1954", 21400, 21440, 2376, 2397 },
    { "Xian 1980", 2314, 2325, 2324, 2345 },
    { "CGCS 2000", 4478, 4489, 4488, 4509 },
};

constexpr int kFirstSixDegreeZone = 13; // central meridian 75 E
constexpr int kLastSixDegreeZone = 23; // central meridian 135 E
constexpr int kFirstThreeDegreeZone = 25; // central meridian 75 E
constexpr int kLastThreeDegreeZone = 45; // central meridian 135 E

constexpr int kUtmNorthBase = 32600; // WGS 84 / UTM zone zN is 32600 + z
constexpr int kUtmSouthBase = 32700; // WGS 84 / UTM zone zS is 32700 + z
constexpr int kUtmZones = 60;

struct NamedCode
{
    int epsg;
    const char* name;
};

const NamedCode kWorld[] = {
    { 54004, "World Mercator" },
    { 3857, "WGS 84 / Pseudo-Mercator" },
};

const NamedCode kGeographic[] = {
    { 4610, "Xian 1980" },
    { 4214, "Beijing 1954" },
    { 4326, "WGS84 - World Geodetic System 1984" },
    { 4490, "China Geodetic Coordinate System 2000" },
    { 4611, "Hong Kong 1980" },
    { 3824, "Tai Wan 1997" },
};

QMap<int, QString> gaussKrueger(int datum, bool zoneNumbers, int zoneWidth)
{
    QMap<int, QString> catalog;
    if (datum < CoordSysCatalogProvider::Beijing1954 || datum > CoordSysCatalogProvider::Cgcs2000)
        return catalog;
    const GaussKruegerCodes& codes = kGaussKrueger[datum];
    const bool threeDegree = zoneWidth == 3;
    const QString pattern
        = threeDegree ? QStringLiteral("%1 3 Degree GK %2 %3") : QStringLiteral("%1 GK %2 %3");
    const int base = threeDegree ? (zoneNumbers ? codes.threeDegreeZone : codes.threeDegreeMeridian)
                                 : (zoneNumbers ? codes.sixDegreeZone : codes.sixDegreeMeridian);
    const int first = threeDegree ? kFirstThreeDegreeZone : kFirstSixDegreeZone;
    const int last = threeDegree ? kLastThreeDegreeZone : kLastSixDegreeZone;
    for (int zone = first; zone <= last; ++zone) {
        const int centralMeridian = threeDegree ? 3 * zone : 6 * zone - 3;
        catalog.insert(base + zone,
            pattern.arg(QLatin1String(codes.datumName),
                zoneNumbers ? QStringLiteral("Zone") : QStringLiteral("CM"),
                QString::number(zoneNumbers ? zone : centralMeridian)));
    }
    return catalog;
}

QMap<int, QString> utm(bool north)
{
    QMap<int, QString> catalog;
    const int base = north ? kUtmNorthBase : kUtmSouthBase;
    const QString pattern
        = north ? QStringLiteral("WGS 84 / UTM zone %1N") : QStringLiteral("WGS 84 / UTM zone %1S");
    for (int zone = 1; zone <= kUtmZones; ++zone)
        catalog.insert(base + zone, pattern.arg(zone));
    return catalog;
}

template <std::size_t N> QMap<int, QString> fixed(const NamedCode (&table)[N])
{
    QMap<int, QString> catalog;
    for (const auto& entry : table)
        catalog.insert(entry.epsg, QLatin1String(entry.name));
    return catalog;
}

} // namespace

CoordSysCatalogProvider* CoordSysCatalogProvider::instance()
{
    static std::atomic<CoordSysCatalogProvider*> provider { nullptr };
    static QMutex mutex;
    CoordSysCatalogProvider* current = provider.load(std::memory_order_acquire);
    if (!current) {
        QMutexLocker lock(&mutex);
        current = provider.load(std::memory_order_relaxed);
        if (!current) { // another thread may have made it while this one waited
            current = new CoordSysCatalogProvider;
            provider.store(current, std::memory_order_release);
        }
    }
    return current;
}

QMap<int, QString> CoordSysCatalogProvider::catalog(
    int kind, int datum, bool zoneNumbers, int zoneWidth, bool north) const
{
    switch (kind) {
    case GaussKrueger:
        return gaussKrueger(datum, zoneNumbers, zoneWidth);
    case World:
        return fixed(kWorld);
    case Utm:
        return utm(north);
    case Geographic:
        return fixed(kGeographic);
    default:
        return QMap<int, QString>();
    }
}

} // namespace vectors
