#pragma once

#include "OvCoordSystem/OvGlobal.h"
#include "OvCoordSystem/coord/CoordinateSystem.h"

#include <QList>
#include <QPolygonF>
#include <QString>

struct DownloadTask;

// Coordinate-system names and tests for exports, and the identity of a download task.
class OVCOORD_EXPORT I_ExportTools
{
public:
    // The coordinate system in which the tiles of host map type MAPTYPE are drawn: WGS84
    // longitude/latitude, GCJ02 or BD09 Mercator, or else WGS84 Web Mercator.
    static VECTOR_COORDSYS getOriginalType(int mapType);

    // The name under which an export states COORDSYS; empty for systems that have none.
    static QString getExportCoordName(VECTOR_COORDSYS coordSys);

    // True for the Web Mercator and longitude/latitude systems that need no projection
    // parameters: WGS84 longitude/latitude, WGS84 Web Mercator, BD09 and GCJ02 Mercator.
    static bool getIsWgS84OrWebMC(VECTOR_COORDSYS coordSys);

    // The WKT of EPSG code EPSG, through the geographic tool; defined with that tool in the
    // vectors part.
    static QString getWkt(int epsg);

    // The identity of TASK: 32 lowercase hexadecimal digits of an MD5 digest. The fourth extent
    // value and any "_标签" in the name do not change it.
    static QString getTaskId(const DownloadTask& task);

    // Writes POLYGONS (WGS84 longitude/latitude, degrees; one feature per polygon, its "NAME"
    // the file's base name) to PATH, whose suffix selects the format. Points are shifted to BD09
    // first when map type MAPTYPE draws Baidu tiles. Returns false, writing nothing, for an
    // empty list or when PATH or any file the write would create already exists (a Shapefile
    // goes to NAME_polygon.shp and its side files). Defined with the range export in the
    // locate part.
    static bool toExportDownRange(const QString& path, const QList<QPolygonF>& polygons, int mapType);
};
