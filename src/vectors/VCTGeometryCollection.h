#pragma once

#include "OvCoordSystem/vectors/VCTGeometry.h"

#include <ogr_geometry.h>

namespace vectors {

// A collection of geometries, built as a copy of an OGR collection.
class OVCOORD_EXPORT VCTGeometryCollection : public VCTGeometry, public OGRGeometryCollection
{
public:
    VCTGeometryCollection();
    // A copy of GEOMETRIES.
    explicit VCTGeometryCollection(const OGRGeometryCollection& geometries);

    // A new VCT wrapper of member I (the caller releases it), null outside the members or for a
    // member of an unsupported type.
    VCTGeometry* geometryAt(int i) const;

    void correctCoordinates(bool forward, int engineKind) override;
    int geometryKind() const override;
    OGRGeometryCollection* getOgrGeometry() override;

private:
    OGRGeometryCollection m_members;
};

} // namespace vectors
