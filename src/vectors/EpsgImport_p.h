#pragma once

class OGRSpatialReference;

namespace vectors {

// Silences GDAL's error messages while a lookup that may fail runs (on this thread only).
class QuietGdalErrors
{
public:
    QuietGdalErrors();
    ~QuietGdalErrors();
    QuietGdalErrors(const QuietGdalErrors&) = delete;
    QuietGdalErrors& operator=(const QuietGdalErrors&) = delete;
};

// Imports CODE into REFERENCE, longitude (or easting) first, without messages. GDAL 3 no longer
// reads the ESRI-only codes (54004 World Mercator and its kin) through its EPSG import, so a code
// EPSG does not know is tried under the ESRI authority. False when neither knows it; REFERENCE is
// empty then.
bool importEpsg(OGRSpatialReference& reference, int code);

} // namespace vectors
