#include "OvCoordSystem/vectors/RecordGeometry_p.h"

#include "OvCoordSystem/vectors/VCTLineString.h"
#include "OvCoordSystem/vectors/VCTMultiLineString.h"
#include "OvCoordSystem/vectors/VCTMultiPoint.h"
#include "OvCoordSystem/vectors/VCTMultiPolygon.h"
#include "OvCoordSystem/vectors/VCTPoint.h"
#include "OvCoordSystem/vectors/VCTPolygon.h"
#include "OvCoordSystem/vectors/VectorFeatureData.h"
#include "OvCoordSystem/vectors/VectorLayerData.h"

#include <algorithm>
#include <cmath>

namespace vectors {

namespace {

constexpr int kLineMinVertices = 2;
constexpr int kRingMinVertices = 3;

bool isFinite(const CVector3D& p)
{
    return std::isfinite(p.x) && std::isfinite(p.y) && std::isfinite(p.z);
}

bool isFinite(const VectorPointList& part)
{
    for (const CVector3D& p : part) {
        if (!isFinite(p)) return false;
    }
    return true;
}

// A part whose heights are all 0 makes a two-dimensional curve: the same vertices for every
// stream, without the third dimension the GDAL streams would drop again.
void fillCurve(OGRSimpleCurve& curve, const VectorPointList& part)
{
    const bool flat
        = std::all_of(part.cbegin(), part.cend(), [](const CVector3D& p) { return p.z == 0.0; });
    curve.setNumPoints(part.size(), FALSE);
    for (int i = 0; i < part.size(); ++i) {
        if (flat)
            curve.setPoint(i, part[i].x, part[i].y);
        else
            curve.setPoint(i, part[i].x, part[i].y, part[i].z);
    }
}

// Each part of FEATURE long enough for MINVERTICES; empty when a kept part is not finite.
QList<const VectorPointList*> usableParts(const VectorFeatureData& feature, int minVertices)
{
    QList<const VectorPointList*> parts;
    for (const VectorPointList& part : feature.parts) {
        if (part.size() < minVertices) continue;
        if (!isFinite(part)) return {};
        parts.append(&part);
    }
    return parts;
}

VCTGeometry* makePoint(const VectorFeatureData& feature)
{
    if (feature.parts.isEmpty() || feature.parts.first().isEmpty()) return nullptr;
    const CVector3D& p = feature.parts.first().first();
    if (!isFinite(p)) return nullptr;
    VCTPoint* point = new VCTPoint;
    point->setX(p.x);
    point->setY(p.y);
    point->setZ(p.z);
    return point;
}

VCTGeometry* makeLine(const VectorFeatureData& feature)
{
    if (feature.parts.isEmpty()) return nullptr;
    const VectorPointList& part = feature.parts.first();
    if (part.size() < kLineMinVertices || !isFinite(part)) return nullptr;
    OGRLineString line;
    fillCurve(line, part);
    return new VCTLineString(line);
}

VCTGeometry* makePolygon(const VectorFeatureData& feature)
{
    if (feature.parts.isEmpty()) return nullptr;
    const VectorPointList& part = feature.parts.first();
    if (part.size() < kRingMinVertices || !isFinite(part)) return nullptr;
    OGRLinearRing ring;
    fillCurve(ring, part);
    VCTPolygon* polygon = new VCTPolygon(&ring);
    polygon->closeRing();
    return polygon;
}

VCTGeometry* makeMultiPoint(const VectorFeatureData& feature)
{
    OGRMultiPoint points;
    for (const VectorPointList* part : usableParts(feature, 1)) {
        const CVector3D& p = part->first();
        points.addGeometryDirectly(new OGRPoint(p.x, p.y, p.z));
    }
    return points.IsEmpty() ? nullptr : new VCTMultiPoint(points);
}

VCTGeometry* makeMultiLine(const VectorFeatureData& feature)
{
    OGRMultiLineString lines;
    for (const VectorPointList* part : usableParts(feature, kLineMinVertices)) {
        OGRLineString* line = new OGRLineString;
        fillCurve(*line, *part);
        lines.addGeometryDirectly(line);
    }
    return lines.IsEmpty() ? nullptr : new VCTMultiLineString(lines);
}

VCTGeometry* makeMultiPolygon(const VectorFeatureData& feature)
{
    OGRMultiPolygon polygons;
    for (const VectorPointList* part : usableParts(feature, kRingMinVertices)) {
        OGRLinearRing* ring = new OGRLinearRing;
        fillCurve(*ring, *part);
        ring->closeRings();
        OGRPolygon* polygon = new OGRPolygon;
        polygon->addRingDirectly(ring);
        polygons.addGeometryDirectly(polygon);
    }
    return polygons.IsEmpty() ? nullptr : new VCTMultiPolygon(polygons);
}

} // namespace

VCTGeometry* recordGeometry(const VectorFeatureData& feature, bool polygons)
{
    switch (feature.geometryType) {
    case VectorFeatureData::Point:
        return makePoint(feature);
    case VectorFeatureData::Line:
        return makeLine(feature);
    case VectorFeatureData::Polygon:
        return polygons ? makePolygon(feature) : nullptr;
    case VectorFeatureData::MultiPoint:
        return makeMultiPoint(feature);
    case VectorFeatureData::MultiLine:
        return makeMultiLine(feature);
    case VectorFeatureData::MultiPolygon:
        return polygons ? makeMultiPolygon(feature) : nullptr;
    default:
        return nullptr;
    }
}

int geometryFamily(int geometryType)
{
    switch (geometryType) {
    case VectorFeatureData::Point:
    case VectorFeatureData::MultiPoint:
        return VectorLayerData::Points;
    case VectorFeatureData::Line:
    case VectorFeatureData::MultiLine:
        return VectorLayerData::Lines;
    case VectorFeatureData::Polygon:
    case VectorFeatureData::MultiPolygon:
        return VectorLayerData::Polygons;
    default:
        return -1;
    }
}

} // namespace vectors
