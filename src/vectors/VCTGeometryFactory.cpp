#include "OvCoordSystem/vectors/VCTGeometryFactory.h"

#include "OvCoordSystem/vectors/VCTGeometryCollection.h"
#include "OvCoordSystem/vectors/VCTLineString.h"
#include "OvCoordSystem/vectors/VCTMultiLineString.h"
#include "OvCoordSystem/vectors/VCTMultiPoint.h"
#include "OvCoordSystem/vectors/VCTMultiPolygon.h"
#include "OvCoordSystem/vectors/VCTPoint.h"
#include "OvCoordSystem/vectors/VCTPolygon.h"

#include <memory>

namespace vectors {
namespace {

// OGR can only cast a multi curve whose members are all line strings; the cast consumes its
// input, so it works on a clone.
VCTGeometry* wrapMultiCurve(const OGRMultiCurve& curves)
{
    std::unique_ptr<OGRMultiLineString> lines(OGRMultiCurve::CastToMultiLineString(curves.clone()));
    return lines ? new VCTMultiLineString(*lines) : nullptr;
}

VCTGeometry* wrap(const OGRGeometry& geometry)
{
    switch (wkbFlatten(geometry.getGeometryType())) {
    case wkbPoint:
        return new VCTPoint(*geometry.toPoint());
    case wkbLineString:
        return new VCTLineString(*geometry.toLineString());
    case wkbPolygon:
        return new VCTPolygon(&geometry);
    case wkbMultiPoint:
        return new VCTMultiPoint(*geometry.toMultiPoint());
    case wkbMultiLineString:
        return new VCTMultiLineString(*geometry.toMultiLineString());
    case wkbMultiCurve:
        return wrapMultiCurve(*geometry.toMultiCurve());
    case wkbMultiPolygon:
        return new VCTMultiPolygon(*geometry.toMultiPolygon());
    case wkbGeometryCollection:
        return new VCTGeometryCollection(*geometry.toGeometryCollection());
    default:
        return nullptr;
    }
}

} // namespace

bool createVctGeometry(const OGRGeometry* geometry, VCTGeometry*& result)
{
    VCTGeometry* wrapped = geometry ? wrap(*geometry) : nullptr;
    if (!wrapped) return false;
    result = wrapped;
    return true;
}

void releaseVctGeometry(VCTGeometry* geometry)
{
    delete geometry;
}

} // namespace vectors
