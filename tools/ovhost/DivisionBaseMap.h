#pragma once

#include "OvCoordSystem/host/map/MapBaseFeature.h"
#include "OvCoordSystem/host/search/DivisionInfo.h"

#include <map>
#include <string>
#include <vector>

class ILocationDataSearchModule;

// The vector base map drawn from the division search: provinces when zoomed out, cities at
// middle levels and counties when zoomed in. Boundaries are queried once and kept, and only the
// divisions whose parent lies in view are looked at, so a view costs a few queries at most.
class CDivisionBaseMap
{
public:
    explicit CDivisionBaseMap(ILocationDataSearchModule* search);

    // The divisions of the level drawn at ZOOMLEVEL that touch LNGLATBOX.
    std::vector<tagMapBaseFeature> Features(const QRectF& lngLatBox, int zoomLevel);

    // The division level (1 province, 2 city, 3 county) drawn at a zoom level.
    static int LevelForZoom(int zoomLevel);

private:
    struct Entry
    {
        tagMapBaseFeature feature;
        QRectF bounds;
    };
    const Entry& entry(const tagDivisionInfo& info);
    const std::vector<tagDivisionInfo>& children(const std::string& parent);
    void collect(const std::string& parent, int level, const QRectF& box,
        std::vector<tagMapBaseFeature>& out);

    ILocationDataSearchModule* m_search;
    std::map<std::string, Entry> m_entries;
    std::map<std::string, std::vector<tagDivisionInfo>> m_children;
};
