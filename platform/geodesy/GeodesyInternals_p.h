#pragma once

// What the toolkit's reference factory, geo points and utilities share inside the platform.

#include "OvCoordSystem/geodesy/GdalImport.h"
#include "OvCoordSystem/host/Vector3D.h"

#include <ogr_spatialref.h>

class CSpatialReference;

namespace geodesy::detail {

// The name of a local offset system (E_LOCAL_GEO_SRS), null for other values.
const char* LocalGeoSRSName(int localGeoSRS);
// Fills srs with the OGR description of a local offset system: a geographic reference for the
// longitude/latitude forms, a spherical Mercator for the others (longitude first).
bool BuildLocalGeoSRS(int localGeoSRS, OGRSpatialReference& srs);

// Transforms point p (x, y in the source's units) from one reference into another; false
// when no valid transformation or result exists.
bool TransformPoint(const CSpatialReference& from, const CSpatialReference& to, CVector3D& p);

} // namespace geodesy::detail
