#include "OvCoordSystem/vectors/VCTGeometry.h"

namespace vectors {

int VCTGeometry::geometryKind() const
{
    return KindGeometry;
}

double VCTGeometry::getX(int) const
{
    return 0.0;
}

double VCTGeometry::getX() const
{
    return 0.0;
}

double VCTGeometry::getY(int) const
{
    return 0.0;
}

double VCTGeometry::getY() const
{
    return 0.0;
}

double VCTGeometry::getZ(int) const
{
    return 0.0;
}

double VCTGeometry::getZ() const
{
    return 0.0;
}

OGRGeometry* VCTGeometry::getOgrGeometry()
{
    return nullptr;
}

void VCTGeometry::toOffset(int engineKind)
{
    correctCoordinates(true, engineKind);
}

void VCTGeometry::fromOffset(int engineKind)
{
    correctCoordinates(false, engineKind);
}

VCTGeometry::~VCTGeometry() = default;

} // namespace vectors
