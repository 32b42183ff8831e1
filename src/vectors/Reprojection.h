#pragma once

#include "OvCoordSystem/OvGlobal.h"
#include "OvCoordSystem/vectors/VectorCoordParameters.h"

#include <ogr_core.h>

#include <memory>

class OGRGeometry;
class OGRSpatialReference;

namespace vectors {

// The spatial reference of a VECTOR_COORDSYS value given without an EPSG code, into REFERENCE:
// - 0, 1, 2: Beijing 1954, Xian 1980 or CGCS2000 Gauss-Krueger (transverse Mercator, scale 1)
//   on CENTRALMERIDIAN (degrees) with FALSEEASTING (metres);
// - 3 and the offset longitude/latitude systems 13, 15: WGS 84 geographic;
// - 4 and the offset Mercator systems 14, 16: WGS 84 Web Mercator (EPSG 3857);
// - 5: WGS 84 UTM on CENTRALMERIDIAN with FALSEEASTING, southern hemisphere when SOUTH is set
//   (false northing 10000000).
// False (REFERENCE untouched) for any other value. The axis order is x = longitude or easting.
OVCOORD_EXPORT bool coordSysSpatialReference(int coordSys, double centralMeridian,
    double falseEasting, bool south, OGRSpatialReference& reference);

// The spatial reference of the source or TARGET side of PARAMETERS, as a written file declares
// it: the side's EPSG code with the datum shift of sevenParameters when it is not on WGS 84 and
// the parameters are not all zero (translations and scale negated; the shift then replaces the
// transformations PROJ registers for the code, and the code's identity is gone); or,
// without a code, a Gauss-Krueger system on a central meridian off the 3-degree grid with false
// easting 500000, or else coordSysSpatialReference (streamFlag set = southern UTM). A new
// reference (release it with OGRSpatialReference::Release), or null when none can be built.
OVCOORD_EXPORT OGRSpatialReference* createSideReference(
    const VectorCoordParameters& parameters, double falseEasting, bool target);

// Transforms geometries in place from the source to the target side of a parameter record.
// Between two real systems OGR transforms directly. When either side is an offset system (13 to
// 16 of VECTOR_COORDSYS) the points pass through WGS 84 longitude/latitude: OGR takes a real
// side there, EPSG 3857 <-> 4326 serves the GCJ02 Web Mercator side, the BD09 engine's own
// Mercator the BD09 Mercator side, and the correction engines shift between the datums (GCJ02 to
// BD09 and back directly). The correction engines shift each vertex on its own: a vertex they
// refuse (GCJ02 outside China) keeps its longitude and latitude. z is kept by the engine steps.
class OVCOORD_EXPORT GeometryReprojector
{
public:
    GeometryReprojector(const VectorCoordParameters& parameters, double falseEasting);
    ~GeometryReprojector();
    GeometryReprojector(const GeometryReprojector&) = delete;
    GeometryReprojector& operator=(const GeometryReprojector&) = delete;

    // OGRERR_NONE when the transformation could be built.
    OGRErr status() const;
    // Transforms GEOMETRY in place; OGRERR_NONE, or OGR's failure code when the transformation
    // could not be built or a point could not be transformed (GEOMETRY is then partly changed).
    OGRErr reproject(OGRGeometry* geometry) const;

private:
    struct Steps;
    std::unique_ptr<Steps> m_steps;
};

// One geometry: GeometryReprojector(parameters, falseEasting).reproject(geometry).
OVCOORD_EXPORT OGRErr reprojectGeometry(
    OGRGeometry* geometry, const VectorCoordParameters& parameters, double falseEasting);

} // namespace vectors
