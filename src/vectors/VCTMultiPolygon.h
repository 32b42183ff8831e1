#pragma once

#include "OvCoordSystem/vectors/VCTGeometry.h"

#include <ogr_geometry.h>

namespace vectors {

class VCTPolygon;

// A multi polygon. Members copied from OGR keep their interior rings; polygons added through
// addGeometry() have the one ring they were built with.
class OVCOORD_EXPORT VCTMultiPolygon : public VCTGeometry, public OGRMultiPolygon
{
public:
    VCTMultiPolygon();
    // A copy of POLYGONS.
    explicit VCTMultiPolygon(const OGRMultiPolygon& polygons);

    // Adds a copy of POLYGON's OGR geometry and destroys POLYGON; null is ignored.
    void addGeometry(VCTPolygon* polygon);
    // A new VCT wrapper of member I (the caller releases it), null outside the members or for a
    // member of an unsupported type.
    VCTGeometry* geometryAt(int i) const;

    void correctCoordinates(bool forward, int engineKind) override;
    int geometryKind() const override;
    OGRMultiPolygon* getOgrGeometry() override;

private:
    // Hidden: it would add to the unused inherited part.
    using OGRMultiPolygon::addGeometry;

    OGRMultiPolygon m_members;
};

} // namespace vectors
