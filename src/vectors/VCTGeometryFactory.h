#pragma once

#include "OvCoordSystem/OvGlobal.h"

class OGRGeometry;

namespace vectors {

class VCTGeometry;

// Wraps a copy of GEOMETRY in the VCT class of its kind (2.5D and measured variants count as
// their plain type) and stores it in RESULT; the caller releases it with releaseVctGeometry.
// Points, line strings, multi points, multi line strings, multi polygons and collections are
// copied whole; a polygon keeps only its exterior ring; a multi curve of plain line strings
// becomes a multi line string. Null, any other type and a multi curve holding true curves give
// false and leave RESULT untouched.
OVCOORD_EXPORT bool createVctGeometry(const OGRGeometry* geometry, VCTGeometry*& result);

// Destroys GEOMETRY; null is ignored.
OVCOORD_EXPORT void releaseVctGeometry(VCTGeometry* geometry);

} // namespace vectors
