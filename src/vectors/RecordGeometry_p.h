#pragma once

struct VectorFeatureData;

namespace vectors {

class VCTGeometry;

// The VCT geometry the writer makes of FEATURE (the caller releases it): type 0 the first vertex
// of the first part, 1 the first part as a line, 2 the first part as a closed ring, 5 the first
// vertex of each part, 6 one line per part, 7 one closed ring per part. Null when nothing of the
// feature can be written: types 3, 4 and unknown ones, polygons (2, 7) when POLYGONS is false, no
// part with enough vertices (a point needs 1, a line 2, a ring 3; shorter parts of the multi types
// are left out), or a non-finite coordinate in a part that would be written.
VCTGeometry* recordGeometry(const VectorFeatureData& feature, bool polygons);

// The layer kind (VectorLayerData::Kind) of a record geometry type: Points for 0 and 5, Lines for
// 1 and 6, Polygons for 2 and 7; -1 for the types that are never written.
int geometryFamily(int geometryType);

} // namespace vectors
