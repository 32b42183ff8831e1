#include "OvCoordSystem/vectors/FeatureGeometry.h"

#include "OvCoordSystem/vectors/VectorFeatureData.h"

#include <ogr_geometry.h>

#include <memory>

namespace vectors {

namespace {

VectorPointList curvePoints(const OGRSimpleCurve& curve)
{
    VectorPointList points;
    points.reserve(curve.getNumPoints());
    for (int i = 0; i < curve.getNumPoints(); ++i)
        points.append(CVector3D(curve.getX(i), curve.getY(i), curve.getZ(i)));
    return points;
}

// The parts of one member of a multi geometry of FAMILY (wkbPoint, wkbLineString, wkbPolygon);
// false when the member is of another family.
bool appendMember(
    const OGRGeometry& member, OGRwkbGeometryType family, QList<VectorPointList>& parts)
{
    const OGRwkbGeometryType type = wkbFlatten(member.getGeometryType());
    if (type != family) return false;
    if (member.IsEmpty()) return true;
    if (type == wkbPoint) {
        const OGRPoint& point = *member.toPoint();
        parts.append(VectorPointList { CVector3D(point.getX(), point.getY(), point.getZ()) });
    } else if (type == wkbLineString) {
        parts.append(curvePoints(*member.toLineString()));
    } else {
        parts.append(curvePoints(*member.toPolygon()->getExteriorRing()));
    }
    return true;
}

// The record type of a multi geometry of FAMILY.
int multiTypeOf(OGRwkbGeometryType family)
{
    switch (family) {
    case wkbPoint:
        return VectorFeatureData::MultiPoint;
    case wkbLineString:
        return VectorFeatureData::MultiLine;
    default:
        return VectorFeatureData::MultiPolygon;
    }
}

} // namespace

bool setFeatureGeometry(VectorFeatureData& feature, const OGRGeometry* geometry)
{
    if (!geometry || geometry->IsEmpty()) return false;
    std::unique_ptr<OGRGeometry> linear;
    if (geometry->hasCurveGeometry()) {
        linear.reset(geometry->getLinearGeometry());
        geometry = linear.get();
        if (!geometry) return false;
    }
    int type = -1;
    QList<VectorPointList> parts;
    switch (wkbFlatten(geometry->getGeometryType())) {
    case wkbPoint:
        appendMember(*geometry, wkbPoint, parts);
        type = VectorFeatureData::Point;
        break;
    case wkbLineString:
        parts.append(curvePoints(*geometry->toLineString()));
        type = VectorFeatureData::Line;
        break;
    case wkbPolygon:
        for (const OGRLinearRing* ring : *geometry->toPolygon())
            parts.append(curvePoints(*ring));
        type = VectorFeatureData::Polygon;
        break;
    case wkbMultiPoint:
    case wkbMultiLineString:
    case wkbMultiPolygon:
    case wkbGeometryCollection: {
        const OGRGeometryCollection& members = *geometry->toGeometryCollection();
        const OGRwkbGeometryType family = wkbFlatten(members.getGeometryRef(0)->getGeometryType());
        if (family != wkbPoint && family != wkbLineString && family != wkbPolygon) return false;
        for (const OGRGeometry* member : members) {
            if (!appendMember(*member, family, parts)) return false;
        }
        type = multiTypeOf(family);
        break;
    }
    default:
        return false;
    }
    if (parts.isEmpty()) return false;
    feature.geometryType = type;
    feature.parts = parts;
    return true;
}

} // namespace vectors
