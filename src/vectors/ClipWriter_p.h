#pragma once

#include "OvCoordSystem/vectors/VectorLayerData.h"
#include "OvCoordSystem/vectors/VectorWriteOptions.h"

class I_WriteVector;

namespace vectors {

// LAYER with every feature cut to the area of CLIPPOLYGONS (OGR intersection, in the coordinates
// of the records): a feature keeps its attributes and style and takes the part of its geometry
// inside the area, of its own family (points stay points, lines lines, polygons polygons; a
// feature cut in pieces becomes the multi type). Features wholly outside, and all features when
// no clip polygon has three finite vertices, are left out. Polygon holes made by the cut are not
// kept: the records draw each polygon by its outer ring.
VectorLayerData clipLayer(
    const VectorLayerData& layer, const QVector<VectorPointList>& clipPolygons);

// Writes LAYER cut by OPTIONS.clipPolygons through WRITER.writeLayer. The cut layer is first
// written under its final name into a temporary folder ".tmp_clip-XXXXXX" in the output folder,
// and each finished file, with the files that belong to it, then moves to the output folder; so
// an unfinished clipped write never stands under the user's name, and the names written inside
// the files are the final ones. A file that did not appear is reported as "can't found file.".
void writeClippedLayer(
    I_WriteVector& writer, const VectorLayerData& layer, const VectorWriteOptions& options);

} // namespace vectors
