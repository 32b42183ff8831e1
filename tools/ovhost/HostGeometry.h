#pragma once

#include "OvCoordSystem/host/Extent.h"

#include <QList>
#include <QPolygonF>
#include <QString>

class IAnnotationFeature;

// What the host works out itself around a download range: the library locates and exports
// ranges, but counting the tiles a download would fetch, framing a range in the view and the
// extent of a map sheet are the host's business.
namespace hostgeometry {

// Web Mercator tiles of LEVEL (0..22; 2^level per axis) that touch the bounding box of at least
// one polygon, each tile counted once. Longitude and latitude in degrees; latitudes beyond the
// Web Mercator limit are clamped. 0 for no points or a level out of range.
qint64 TileCount(const QList<QPolygonF>& polygons, int level);

// The largest zoom level (0..18) at which the bounding box of POLYGONS fits in a view of
// VIEWWIDTH × VIEWHEIGHT pixels; 18 for a single point, 0 for no points.
int FitLevel(const QList<QPolygonF>& polygons, int viewWidth, int viewHeight);

// The extent (degrees; first corner the south-west one) of a sheet NUMBER that
// CLocate::MapsheetRegCheck accepts: a 1:1,000,000 sheet spans 6° of longitude from column 1 at
// 180° W and 4° of latitude from row A at the equator; a larger-scale sheet divides it into
// n × n sheets numbered from the north-west corner. False (extent untouched) for other text.
bool MapSheetExtent(const QString& number, EXTENT& extent);

// The parts of FEATURE as polygons (x, y of every point); empty for null.
QList<QPolygonF> Polygons(const IAnnotationFeature* feature);

} // namespace hostgeometry
