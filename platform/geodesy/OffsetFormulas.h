#pragma once

// The closed formulas of the Chinese offset systems GCJ02 and BD09, and the constants and band
// tables of Baidu's Mercator. This is their only copy: the geodesy toolkit's local systems and
// the library's correction engines both call these functions. They are inline and header-only
// so that the engines' array loops can inline and vectorise them.
//
// Formulas: the published GCJ02 obfuscation (series in x = lng - 105, y = lat - 35 on the
// Krasovsky ellipsoid), the BD09 polar rotation on top of GCJ02, and Baidu's six-band polynomial
// Mercator. Coordinates are longitude x and latitude y in degrees, Mercator in metres.

#include <cmath>

#if defined(__GNUC__)
#define OV_OFFSET_INLINE inline __attribute__((always_inline))
#else
#define OV_OFFSET_INLINE inline
#endif

namespace geodesy {

/// Semi-major axis of the GCJ02 ellipsoid (Krasovsky 1940) (meters).
constexpr double kGcjA_m = 6378245.0;
/// First eccentricity squared of that ellipsoid (dimensionless).
constexpr double kGcjEe = 0.006693421622965943;
/// a·(1 − ee) (meters); kept as its own literal, not computed, so results match bit for bit.
constexpr double kGcjAOneMinusEe_m = 6335552.717000426;
/// π as the formulas use it.
constexpr double kPi = 3.141592653589793;
/// BD09's angle factor π·3000/180 (radians per degree, times 3000).
constexpr double kBdXPi = 52.35987755982988;

/// The box in which GCJ02 offsets points (degrees; bounds inclusive).
constexpr double kGcjMinLng_deg = 72.004;
constexpr double kGcjMaxLng_deg = 137.8347;
constexpr double kGcjMinLat_deg = 0.8293;
constexpr double kGcjMaxLat_deg = 55.8271;

/// True when (lng, lat) (degrees) lies in the GCJ02 box. Branch-free so that array loops
/// vectorise; NaN lies outside.
OV_OFFSET_INLINE bool InGcj02Area(double lng, double lat)
{
    return (lng >= kGcjMinLng_deg) & (lng <= kGcjMaxLng_deg) & (lat >= kGcjMinLat_deg)
        & (lat <= kGcjMaxLat_deg);
}

/// True when (lng, lat) (degrees) is a longitude in −180..180 and a latitude in −90..90; NaN and
/// infinities are not.
OV_OFFSET_INLINE bool InLngLatRange(double lng, double lat)
{
    return (lng >= -180.0) & (lng <= 180.0) & (lat >= -90.0) & (lat <= 90.0);
}

/// The GCJ02 position of the WGS84 point (lng, lat) (degrees), whether or not it lies in the
/// box; callers decide by InGcj02Area whether to use it.
OV_OFFSET_INLINE void Gcj02Offset(double lng, double lat, double& outLng, double& outLat)
{
    const double x = lng - 105.0;
    const double y = lat - 35.0;
    const double rootX = std::sqrt(std::fabs(x));
    // The ripple in x appears in both series.
    const double rippleX
        = (20.0 * std::sin(6.0 * x * kPi) + 20.0 * std::sin(2.0 * x * kPi)) * 2.0 / 3.0;
    const double tLat = -100.0 + 2.0 * x + 3.0 * y + 0.2 * y * y + 0.1 * x * y + 0.2 * rootX
        + rippleX + (20.0 * std::sin(y * kPi) + 40.0 * std::sin(y / 3.0 * kPi)) * 2.0 / 3.0
        + (160.0 * std::sin(y / 12.0 * kPi) + 320.0 * std::sin(y / 30.0 * kPi)) * 2.0 / 3.0;
    const double tLng = 300.0 + x + 2.0 * y + 0.1 * x * x + 0.1 * x * y + 0.1 * rootX + rippleX
        + (20.0 * std::sin(x * kPi) + 40.0 * std::sin(x / 3.0 * kPi)) * 2.0 / 3.0
        + (150.0 * std::sin(x / 12.0 * kPi) + 300.0 * std::sin(x / 30.0 * kPi)) * 2.0 / 3.0;
    const double r = lat / 180.0 * kPi;
    const double sinR = std::sin(r);
    const double m = 1.0 - kGcjEe * sinR * sinR;
    const double s = std::sqrt(m);
    outLng = lng + tLng * 180.0 / ((kGcjA_m / s) * std::cos(r) * kPi);
    outLat = lat + tLat * 180.0 / ((kGcjAOneMinusEe_m / (m * s)) * kPi);
}

/// One coordinate of the one step back from GCJ02 to WGS84 (degrees): 2·p − shifted for a point
/// inside the box, p itself outside; shifted is Gcj02Offset of the point.
OV_OFFSET_INLINE double Gcj02StepBack(double p, double shifted, bool inside)
{
    return 2.0 * p - (inside ? shifted : p);
}

/// GCJ02 back to WGS84 in one step, no iteration (degrees). Callers check InLngLatRange first.
OV_OFFSET_INLINE void Gcj02ToWgs84OneStep(double lng, double lat, double& outLng, double& outLat)
{
    double shiftedLng;
    double shiftedLat;
    Gcj02Offset(lng, lat, shiftedLng, shiftedLat);
    const bool inside = InGcj02Area(lng, lat);
    outLng = Gcj02StepBack(lng, shiftedLng, inside);
    outLat = Gcj02StepBack(lat, shiftedLat, inside);
}

/// GCJ02 to BD09 (degrees).
OV_OFFSET_INLINE void Gcj02ToBd09(double x, double y, double& outX, double& outY)
{
    const double z = std::sqrt(x * x + y * y) + 0.00002 * std::sin(y * kBdXPi);
    const double theta = std::atan2(y, x) + 0.000003 * std::cos(x * kBdXPi);
    outX = z * std::cos(theta) + 0.0065;
    outY = z * std::sin(theta) + 0.006;
}

/// BD09 to GCJ02 (degrees).
OV_OFFSET_INLINE void Bd09ToGcj02(double x, double y, double& outX, double& outY)
{
    const double x0 = x - 0.0065;
    const double y0 = y - 0.006;
    const double z = std::sqrt(x0 * x0 + y0 * y0) - 0.00002 * std::sin(y0 * kBdXPi);
    const double theta = std::atan2(y0, x0) - 0.000003 * std::cos(x0 * kBdXPi);
    outX = z * std::cos(theta);
    outY = z * std::sin(theta);
}

// Baidu's Mercator: six latitude bands, each with its own polynomial. A row holds c0 … c9:
// x' = (c0 + c1·|x|)·sign x, t = |y|/c9, y' = (c2 + c3·t + … + c8·t⁶)·sign y.
constexpr int kBdBandCount = 6;
constexpr int kBdRowLength = 10;

/// Lower latitude of each band (degrees).
inline constexpr double kBdLlBand_deg[kBdBandCount] = { 75, 60, 45, 30, 15, 0 };
/// Lower northing of each band (meters).
inline constexpr double kBdMcBand_m[kBdBandCount]
    = { 12890594.86, 8362377.87, 5591021, 3481989.83, 1678043.12, 0 };

/// Mercator to longitude/latitude, one row per band.
inline constexpr double kBdMc2Ll[kBdBandCount][kBdRowLength] = {
    { 1.410526172116255e-08, 8.98305509648872e-06, -1.9939833816331, 200.9824383106796,
        -187.2403703815547, 91.6087516669843, -23.38765649603339, 2.57121317296198,
        -0.03801003308653, 17337981.2 },
    { -7.435856389565537e-09, 8.983055097726239e-06, -0.78625201886289, 96.32687599759846,
        -1.85204757529826, -59.36935905485877, 47.40033549296737, -16.50741931063887,
        2.28786674699375, 10260144.86 },
    { -3.030883460898826e-08, 8.98305509983578e-06, 0.30071316287616, 59.74293618442277,
        7.357984074871, -25.38371002664745, 13.45380521110908, -3.29883767235584, 0.32710905363475,
        6856817.37 },
    { -1.981981304930552e-08, 8.983055099779535e-06, 0.03278182852591, 40.31678527705744,
        0.65659298677277, -4.44255534477492, 0.85341911805263, 0.12923347998204, -0.04625736007561,
        4482777.06 },
    { 3.09191371068437e-09, 8.983055096812155e-06, 6.995724062e-05, 23.10934304144901,
        -0.00023663490511, -0.6321817810242, -0.00663494467273, 0.03430082397953, -0.00466043876332,
        2555164.4 },
    { 2.890871144776878e-09, 8.983055095805407e-06, -3.068298e-08, 7.47137025468032,
        -3.53937994e-06, -0.02145144861037, -1.234426596e-05, 0.00010322952773, -3.23890364e-06,
        826088.5 },
};

/// Longitude/latitude to Mercator, one row per band.
inline constexpr double kBdLl2Mc[kBdBandCount][kBdRowLength] = {
    { -0.0015702102444, 111320.7020616939, 1704480524535203, -10338987376042340, 26112667856603880,
        -35149669176653700, 26595700718403920, -10725012454188240, 1800819912950474, 82.5 },
    { 0.0008277824516172526, 111320.7020463578, 647795574.6671607, -4082003173.641316,
        10774905663.51142, -15171875531.51559, 12053065338.62167, -5124939663.577472,
        913311935.9512032, 67.5 },
    { 0.00337398766765, 111320.7020202162, 4481351.045890365, -23393751.19931662, 79682215.47186455,
        -115964993.2797253, 97236711.15602145, -43661946.33752821, 8477230.501135234, 52.5 },
    { 0.00220636496208, 111320.7020209128, 51751.86112841131, 3796837.749470245, 992013.7397791013,
        -1221952.21711287, 1340652.697009075, -620943.6990984312, 144416.9293806241, 37.5 },
    { -0.0003441963504368392, 111320.7020576856, 278.2353980772752, 2485758.690035394,
        6070.750963243378, 54821.18345352118, 9540.606633304236, -2710.55326746645,
        1405.483844121726, 22.5 },
    { -0.0003218135878613132, 111320.7020701615, 0.00369383431289, 823725.6402795718,
        0.46104986909093, 2351.343141331292, 1.58060784298199, 8.77738589078284, 0.37238884252424,
        7.45 },
};

/// The band of a Mercator northing y (meters): the first k with |y| ≥ mcBand[k]; −1 for NaN.
inline int BdMercatorBand(const double* mcBand, double y)
{
    for (int k = 0; k < kBdBandCount; ++k) {
        if (std::fabs(y) >= mcBand[k]) return k;
    }
    return -1;
}

/// The band of a latitude y (degrees): the first k with y ≥ llBand[k]. A negative latitude tries
/// the bands from the last one back, taking the first k with y ≤ −llBand[k], which is always the
/// last band. −1 for NaN.
inline int BdLngLatBand(const double* llBand, double y)
{
    if (y < 0) {
        for (int k = kBdBandCount - 1; k >= 0; --k) {
            if (y <= -llBand[k]) return k;
        }
        return -1;
    }
    for (int k = 0; k < kBdBandCount; ++k) {
        if (y >= llBand[k]) return k;
    }
    return -1;
}

/// Applies one band row c (kBdRowLength coefficients) to (x, y), either direction.
inline void BdBandConvert(const double* c, double x, double y, double& outX, double& outY)
{
    const double signX = x < 0 ? -1.0 : 1.0;
    const double signY = y < 0 ? -1.0 : 1.0;
    const double t = std::fabs(y) / c[9];
    const double t2 = t * t;
    const double t3 = t2 * t;
    const double t4 = t3 * t;
    const double t5 = t4 * t;
    const double t6 = t5 * t;
    outX = (c[0] + c[1] * std::fabs(x)) * signX;
    outY = (c[2] + c[3] * t + c[4] * t2 + c[5] * t3 + c[6] * t4 + c[7] * t5 + c[8] * t6) * signY;
}

} // namespace geodesy
