#pragma once

#include "OvCoordSystem/OvPlatformGlobal.h"

#include <vector>

// The host's map types (ENUM_MAP_TYPE) and what the library needs to know about each: the datum
// in which its tiles are drawn and whether it has a separate label layer. Every host test of a
// map type (Tools, ConvertMapToLocalGeoSRS) reads the one table behind MapTypeTable().
enum ENUM_MAP_TYPE
{
    MAP_OPENSTREETMAP = 0,
    MAP_GOOGLE_MAP = 1,
    MAP_GOOGLE_SATELLITE = 2,
    MAP_GOOGLE_TERRAIN = 3,
    MAP_GOOGLE_SATELLITE_WGS84 = 4,
    MAP_GOOGLE_EARTH = 5, // network download offered; its label layer is not used
    MAP_AMAP = 6,
    MAP_AMAP_SATELLITE = 7,
    MAP_TENCENT = 8,
    MAP_TIANDITU_IMAGE = 9, // its label layer is not used
    MAP_TIANDITU_VECTOR = 10,
    MAP_TIANDITU_TERRAIN = 11,
    MAP_BAIDU = 12,
    MAP_BAIDU_SATELLITE = 13,
    MAP_BING = 14,
    MAP_BING_SATELLITE = 15,
    MAP_ARCGIS_SATELLITE = 16,
    MAP_HISTORY_IMAGE_1 = 1600, // 1600 to 1603: historical imagery, network download offered
    MAP_HISTORY_IMAGE_2 = 1601,
    MAP_HISTORY_IMAGE_3 = 1602,
    MAP_HISTORY_IMAGE_4 = 1603
};

// The datum of a map's tiles.
enum E_TILE_DATUM
{
    TILE_DATUM_WGS84 = 0,
    TILE_DATUM_GCJ02 = 1,
    TILE_DATUM_BD09 = 2
};

struct tagMapTypeInfo
{
    int type; // ENUM_MAP_TYPE
    const char* name; // display name, UTF-8
    E_TILE_DATUM datum;
    bool hasLabel; // a separate label layer can be shown over the tiles
};

// Every map type of the host, in ascending type order.
OVPLATFORM_EXPORT const std::vector<tagMapTypeInfo>& MapTypeTable();
// The entry of a map type; null for a type the host does not have.
OVPLATFORM_EXPORT const tagMapTypeInfo* FindMapType(int mapType);
