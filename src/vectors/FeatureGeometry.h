#pragma once

#include "OvCoordSystem/OvGlobal.h"

class OGRGeometry;
struct VectorFeatureData;

namespace vectors {

// Sets FEATURE's geometryType and parts from GEOMETRY, the way a reader hands an OGR feature to
// the writer: a point is type 0 with one one-vertex part; a line string type 1; a polygon type 2
// with its exterior ring first and its interior rings after it (the writer draws only the first
// part); multi points, multi line strings and multi polygons types 5, 6 and 7 with one part per
// member (a multi polygon member by its exterior ring). A collection whose members are all of one
// family counts as the multi type of that family; curves are first approximated by lines; z is
// kept (0 for two-dimensional geometries). Returns false and leaves FEATURE unchanged for null or
// empty geometries and for those the records cannot hold (mixed collections, surfaces, ...).
OVCOORD_EXPORT bool setFeatureGeometry(VectorFeatureData& feature, const OGRGeometry* geometry);

} // namespace vectors
