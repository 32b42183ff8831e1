#include "OvCoordSystem/host/MapTypes.h"

#include <algorithm>

const std::vector<tagMapTypeInfo>& MapTypeTable()
{
    static const std::vector<tagMapTypeInfo> table = {
        { MAP_OPENSTREETMAP, "OpenStreetMap", TILE_DATUM_WGS84, false },
        { MAP_GOOGLE_MAP, "谷歌地图", TILE_DATUM_GCJ02, false },
        { MAP_GOOGLE_SATELLITE, "谷歌卫星", TILE_DATUM_GCJ02, true },
        { MAP_GOOGLE_TERRAIN, "谷歌地形", TILE_DATUM_GCJ02, true },
        { MAP_GOOGLE_SATELLITE_WGS84, "谷歌卫星（无偏移）", TILE_DATUM_WGS84, true },
        { MAP_GOOGLE_EARTH, "谷歌地球", TILE_DATUM_WGS84, true },
        { MAP_AMAP, "高德地图", TILE_DATUM_GCJ02, false },
        { MAP_AMAP_SATELLITE, "高德卫星", TILE_DATUM_GCJ02, true },
        { MAP_TENCENT, "腾讯地图", TILE_DATUM_GCJ02, false },
        { MAP_TIANDITU_IMAGE, "天地图影像", TILE_DATUM_WGS84, true },
        { MAP_TIANDITU_VECTOR, "天地图矢量", TILE_DATUM_WGS84, true },
        { MAP_TIANDITU_TERRAIN, "天地图地形", TILE_DATUM_WGS84, true },
        { MAP_BAIDU, "百度地图", TILE_DATUM_BD09, false },
        { MAP_BAIDU_SATELLITE, "百度卫星", TILE_DATUM_BD09, true },
        { MAP_BING, "必应地图", TILE_DATUM_GCJ02, false },
        { MAP_BING_SATELLITE, "必应卫星", TILE_DATUM_WGS84, false },
        { MAP_ARCGIS_SATELLITE, "ArcGIS 卫星", TILE_DATUM_WGS84, false },
        { MAP_HISTORY_IMAGE_1, "谷歌历史影像", TILE_DATUM_WGS84, false },
        { MAP_HISTORY_IMAGE_2, "Esri 历史影像", TILE_DATUM_WGS84, false },
        { MAP_HISTORY_IMAGE_3, "天地图历史影像", TILE_DATUM_WGS84, false },
        { MAP_HISTORY_IMAGE_4, "高分卫星影像", TILE_DATUM_WGS84, false },
    };
    return table;
}

const tagMapTypeInfo* FindMapType(int mapType)
{
    const std::vector<tagMapTypeInfo>& table = MapTypeTable();
    const auto it = std::lower_bound(table.begin(), table.end(), mapType,
        [](const tagMapTypeInfo& info, int type) { return info.type < type; });
    return it != table.end() && it->type == mapType ? &*it : nullptr;
}
