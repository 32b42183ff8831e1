#pragma once

#include <functional>

class OGRGeometry;
class OGRGeometryCollection;
class OGRPoint;
class OGRSimpleCurve;

// Helpers shared by the VCT geometry classes.
namespace vectors {

class VCTGeometry;
class VCTPoint;

// The one walk over the vertices of GEOMETRY: POINT for every non-empty point, CURVE for every
// line string and ring, in OGR's order (polygons ring by ring, collections member by member).
void walkGeometry(OGRGeometry& geometry, const std::function<void(OGRPoint&)>& point,
    const std::function<void(OGRSimpleCurve&)>& curve);

// Shifts every vertex of GEOMETRY in place with the correction engine ENGINEKIND (0 GCJ02,
// 1 BD09): from WGS84 when FORWARD is true, to WGS84 otherwise. Each vertex ends up as the engine
// shifts it on its own (count 1), so a vertex the engine refuses keeps its coordinates and does
// not stop the others; z and m are kept. Polygons shift every ring, collections every member.
// One engine serves the whole geometry, and a curve goes through it as one array unless the
// engine refuses one of its vertices: the result of an engine per vertex to within 1e-12 degrees
// (the array loops use vector sin/cos), at the cost of a few calls.
void correctVertices(OGRGeometry& geometry, bool forward, int engineKind);

// A new VCT wrapper of member I of COLLECTION, or null for an index outside the members or a
// member of an unsupported type.
VCTGeometry* wrapMember(const OGRGeometryCollection& collection, int i);

// Adds a copy of ELEMENT's OGR geometry to COLLECTION and destroys ELEMENT; null is ignored.
void consumeInto(OGRGeometryCollection& collection, VCTGeometry* element);

// Vertex access on a curve or ring: coordinates of vertex I, 0.0 for an index outside the
// vertices.
double vertexX(const OGRSimpleCurve& curve, int i);
double vertexY(const OGRSimpleCurve& curve, int i);
double vertexZ(const OGRSimpleCurve& curve, int i);
// A new point copied from vertex I, null outside 0 to count - 1.
VCTPoint* newPointAt(const OGRSimpleCurve& curve, int i);
// Appends POINT's coordinates to CURVE and destroys POINT; null is ignored.
void appendPoint(OGRSimpleCurve& curve, VCTPoint* point);

} // namespace vectors
