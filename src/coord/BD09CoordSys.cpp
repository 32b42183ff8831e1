#include "OvCoordSystem/coord/BD09CoordSys.h"

#include "OvCoordSystem/coord/GCJ02CoordSys.h"
#include "OvCoordSystem/coord/VectorMath_p.h"
#include "OvCoordSystem/geodesy/OffsetFormulas.h"

#include <algorithm>

namespace coordinate {
namespace {

OV_SIMD_CLONES void toBd09(double* x, double* y, int count)
{
    OV_SIMD_LOOP
    for (int i = 0; i < count; ++i)
        geodesy::Gcj02ToBd09(x[i], y[i], x[i], y[i]);
}

OV_SIMD_CLONES void toGcj02(double* x, double* y, int count)
{
    OV_SIMD_LOOP
    for (int i = 0; i < count; ++i)
        geodesy::Bd09ToGcj02(x[i], y[i], x[i], y[i]);
}

} // namespace

struct BD09CoordSys::Tables
{
    Tables()
    {
        std::copy_n(geodesy::kBdLlBand_deg, geodesy::kBdBandCount, llBand);
        std::copy_n(geodesy::kBdMcBand_m, geodesy::kBdBandCount, mcBand);
        std::copy_n(&geodesy::kBdLl2Mc[0][0], geodesy::kBdBandCount * geodesy::kBdRowLength, ll2mc);
        std::copy_n(&geodesy::kBdMc2Ll[0][0], geodesy::kBdBandCount * geodesy::kBdRowLength, mc2ll);
    }

    double llBand[geodesy::kBdBandCount]; // LLBAND: lower latitude of each band (degrees)
    double mcBand[geodesy::kBdBandCount]; // MCBAND: lower northing of each band (metres)
    double ll2mc[geodesy::kBdBandCount * geodesy::kBdRowLength]; // LL2MC: 6 rows of 10
    double mc2ll[geodesy::kBdBandCount * geodesy::kBdRowLength]; // MC2LL: 6 rows of 10
};

BD09CoordSys::BD09CoordSys()
    : m_tables(new Tables)
{ }

BD09CoordSys::~BD09CoordSys() = default;

bool BD09CoordSys::FromWGS84(double* x, double* y, int count)
{
    GCJ02CoordSys gcj02;
    const bool shifted = gcj02.FromWGS84(x, y, count);
    GCJ02ToBD09(x, y, count);
    return shifted;
}

bool BD09CoordSys::ToWGS84(double* x, double* y, int count)
{
    BD09ToGCJ02(x, y, count);
    GCJ02CoordSys gcj02;
    return gcj02.ToWGS84(x, y, count);
}

void BD09CoordSys::MercatorToLngLat(double* x, double* y, int count)
{
    if (!x || !y) return;
    for (int i = 0; i < count; ++i) {
        const int band = geodesy::BdMercatorBand(m_tables->mcBand, y[i]);
        if (band >= 0)
            geodesy::BdBandConvert(
                m_tables->mc2ll + band * geodesy::kBdRowLength, x[i], y[i], x[i], y[i]);
    }
}

void BD09CoordSys::LngLatToMercator(double* x, double* y, int count)
{
    if (!x || !y) return;
    for (int i = 0; i < count; ++i) {
        const int band = geodesy::BdLngLatBand(m_tables->llBand, y[i]);
        if (band >= 0)
            geodesy::BdBandConvert(
                m_tables->ll2mc + band * geodesy::kBdRowLength, x[i], y[i], x[i], y[i]);
    }
}

void BD09CoordSys::BD09ToGCJ02(double* x, double* y, int count)
{
    if (x && y) toGcj02(x, y, count);
}

void BD09CoordSys::GCJ02ToBD09(double* x, double* y, int count)
{
    if (x && y) toBd09(x, y, count);
}

bool BD09CoordSys::AutoToWGS84(double* x, double* y, int count)
{
    if (count < 1) return true;
    if (!x || !y) return false;
    bool all = true;
    for (int i = 0; i < count; ++i) {
        if (!geodesy::InLngLatRange(x[i], y[i])) MercatorToLngLat(x + i, y + i, 1);
        all = ToWGS84(x + i, y + i, 1) && all;
    }
    return all;
}

} // namespace coordinate
