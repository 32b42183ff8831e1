#pragma once

#include "OvCoordSystem/vectors/VCTGeometry.h"

#include <ogr_geometry.h>

namespace vectors {

class VCTLineString;

// A multi line string.
class OVCOORD_EXPORT VCTMultiLineString : public VCTGeometry, public OGRMultiLineString
{
public:
    VCTMultiLineString();
    // A copy of LINES.
    explicit VCTMultiLineString(const OGRMultiLineString& lines);

    // Adds a copy of LINE's OGR geometry and destroys LINE; null is ignored.
    void addGeometry(VCTLineString* line);
    // A new VCT wrapper of member I (the caller releases it), null outside the members or for a
    // member of an unsupported type.
    VCTGeometry* geometryAt(int i) const;

    void correctCoordinates(bool forward, int engineKind) override;
    int geometryKind() const override;
    OGRMultiLineString* getOgrGeometry() override;

private:
    // Hidden: it would add to the unused inherited part.
    using OGRMultiLineString::addGeometry;

    OGRMultiLineString m_members;
};

} // namespace vectors
