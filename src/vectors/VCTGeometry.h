#pragma once

#include "OvCoordSystem/OvGlobal.h"

class OGRGeometry;

namespace vectors {

// The toolkit's wrapper of an OGR geometry. Each concrete class derives from the OGR class of its
// kind, but keeps its coordinates in member OGR objects; the inherited OGR part stays empty.
// Code that hands the geometry to GDAL asks for the member through getOgrGeometry().
//
// Coordinates can be shifted in place between WGS84 and the offset systems GCJ02 (engine kind 0)
// and BD09 (engine kind 1). Every vertex is shifted on its own: a vertex the engine refuses (for
// GCJ02, one outside China) keeps its coordinates and does not stop the others; z and m are kept.
class OVCOORD_EXPORT VCTGeometry
{
public:
    // The kind codes of the VCT classes (not the feature records' geometry types).
    enum Kind
    {
        KindPoint = 0,
        KindLineString = 1,
        KindPolygon = 2,
        KindMultiPoint = 3,
        KindMultiLineString = 4,
        KindMultiPolygon = 5,
        KindGeometryCollection = 6,
        KindGeometry = 7
    };

    // Shifts every vertex: WGS84 to the engine's system when forward is true, back otherwise.
    // An engine kind other than 0 or 1 changes nothing.
    virtual void correctCoordinates(bool forward, int engineKind) = 0;
    virtual int geometryKind() const;
    // Vertex i of a curve or polygon ring, or member point i of a multi point; 0.0 elsewhere and
    // for an index outside the vertices.
    virtual double getX(int i) const;
    // The coordinate of a point; 0.0 for the other kinds.
    virtual double getX() const;
    virtual double getY(int i) const;
    virtual double getY() const;
    virtual double getZ(int i) const;
    virtual double getZ() const;
    // The member OGR object that holds the data (owned by this geometry); null here.
    virtual OGRGeometry* getOgrGeometry();
    // WGS84 to the engine's system.
    virtual void toOffset(int engineKind);
    // The engine's system to WGS84.
    virtual void fromOffset(int engineKind);
    virtual ~VCTGeometry();
};

} // namespace vectors
