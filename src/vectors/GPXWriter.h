#pragma once

#include "OvCoordSystem/vectors/GDALWriter.h"

namespace vectors {

// Writes GPX through GDAL's "GPX" driver: points into the layer "points" (way points), line
// strings into "lines" (routes); every other geometry is skipped. Coordinates are WGS 84.
class OVCOORD_EXPORT GPXWriter : public GDALWriter
{
public:
    bool open() override;
    void close() override;
    bool writeFeature(VCTFeature& feature) override;

private:
    OGRLayer* m_points = nullptr; // owned by the dataset
    OGRLayer* m_lines = nullptr;
};

} // namespace vectors
