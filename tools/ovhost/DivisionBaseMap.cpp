#include "DivisionBaseMap.h"

#include "HostGeometry.h"

#include "OvCoordSystem/host/annotation/IAnnotationFeature.h"
#include "OvCoordSystem/host/app/TextConvert.h"
#include "OvCoordSystem/host/search/ILocationDataSearchModule.h"

#include <memory>

namespace {
constexpr int kLastProvinceZoom = 5;
constexpr int kLastCityZoom = 8;
constexpr int kQueryType = 1;
} // namespace

CDivisionBaseMap::CDivisionBaseMap(ILocationDataSearchModule* search)
    : m_search(search)
{ }

int CDivisionBaseMap::LevelForZoom(int zoomLevel)
{
    if (zoomLevel <= kLastProvinceZoom) return 1;
    return zoomLevel <= kLastCityZoom ? 2 : 3;
}

std::vector<tagMapBaseFeature> CDivisionBaseMap::Features(const QRectF& lngLatBox, int zoomLevel)
{
    std::vector<tagMapBaseFeature> features;
    if (m_search) collect(std::string(), LevelForZoom(zoomLevel), lngLatBox, features);
    return features;
}

const CDivisionBaseMap::Entry& CDivisionBaseMap::entry(const tagDivisionInfo& info)
{
    auto found = m_entries.find(info.code);
    if (found != m_entries.end()) return found->second;
    Entry& made = m_entries[info.code];
    made.feature.name = ConvertStdStringToQString(info.name, "GB18030");
    const std::unique_ptr<IAnnotationFeature> feature(
        m_search->QueryDivision(info.code, kQueryType));
    made.feature.rings = hostgeometry::Polygons(feature.get());
    for (const QPolygonF& ring : made.feature.rings)
        made.bounds
            = made.bounds.isNull() ? ring.boundingRect() : made.bounds.united(ring.boundingRect());
    return made;
}

const std::vector<tagDivisionInfo>& CDivisionBaseMap::children(const std::string& parent)
{
    auto found = m_children.find(parent);
    if (found == m_children.end())
        found = m_children.emplace(parent, m_search->ListDivisions(parent)).first;
    return found->second;
}

void CDivisionBaseMap::collect(
    const std::string& parent, int level, const QRectF& box, std::vector<tagMapBaseFeature>& out)
{
    for (const tagDivisionInfo& info : children(parent)) {
        const Entry& division = entry(info);
        // A degenerate (zero width or height) box still counts when it lies in view.
        if (!division.bounds.normalized().adjusted(-1e-9, -1e-9, 1e-9, 1e-9).intersects(box))
            continue;
        if (info.level >= level || children(info.code).empty())
            out.push_back(division.feature);
        else
            collect(info.code, level, box, out);
    }
}
