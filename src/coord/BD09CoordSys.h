#pragma once

#include "OvCoordSystem/coord/CoordSysCorrectEngine.h"

#include <memory>

namespace coordinate {

// The BD09 correction engine: WGS84 to BD09 through GCJ02 and back (degrees), and Baidu's own
// band-wise Mercator (metres).
class OVCOORD_EXPORT BD09CoordSys : public ICoordSysCorrectEngine
{
public:
    BD09CoordSys();
    ~BD09CoordSys() override;
    BD09CoordSys(const BD09CoordSys&) = delete;
    BD09CoordSys& operator=(const BD09CoordSys&) = delete;

    // GCJ02's FromWGS84 on all points, then GCJ02ToBD09 on all points whatever that returned;
    // returns the GCJ02 step's result.
    bool FromWGS84(double* x, double* y, int count) override;
    // BD09ToGCJ02 on all points, then GCJ02's ToWGS84, whose result is returned.
    bool ToWGS84(double* x, double* y, int count) override;
    // Baidu Mercator (metres) to BD09 longitude/latitude (degrees). A NaN northing is left as it
    // is.
    void MercatorToLngLat(double* x, double* y, int count) override;
    // BD09 longitude/latitude (degrees) to Baidu Mercator (metres). A NaN latitude is left as it
    // is.
    void LngLatToMercator(double* x, double* y, int count) override;
    void BD09ToGCJ02(double* x, double* y, int count) override;
    void GCJ02ToBD09(double* x, double* y, int count) override;
    // Point by point: a point outside −180..180 / −90..90 is first taken out of Baidu Mercator;
    // then each point goes through ToWGS84. True when every point came back.
    bool AutoToWGS84(double* x, double* y, int count) override;

private:
    struct Tables;
    // The band tables, on the heap from construction on.
    std::unique_ptr<const Tables> m_tables;
};

} // namespace coordinate
