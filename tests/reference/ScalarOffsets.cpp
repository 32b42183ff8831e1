#include "ScalarOffsets.h"

#include "OvCoordSystem/geodesy/OffsetFormulas.h"

namespace coordinate::scalar {

bool Gcj02FromWgs84(double* x, double* y, int count)
{
    for (int i = 0; i < count; ++i) {
        if (!geodesy::InGcj02Area(x[i], y[i])) return false;
        geodesy::Gcj02Offset(x[i], y[i], x[i], y[i]);
    }
    return true;
}

bool Gcj02ToWgs84(double* x, double* y, int count)
{
    for (int i = 0; i < count; ++i) {
        if (!geodesy::InLngLatRange(x[i], y[i])) return false;
        geodesy::Gcj02ToWgs84OneStep(x[i], y[i], x[i], y[i]);
    }
    return true;
}

void Gcj02ToBd09(double* x, double* y, int count)
{
    for (int i = 0; i < count; ++i)
        geodesy::Gcj02ToBd09(x[i], y[i], x[i], y[i]);
}

void Bd09ToGcj02(double* x, double* y, int count)
{
    for (int i = 0; i < count; ++i)
        geodesy::Bd09ToGcj02(x[i], y[i], x[i], y[i]);
}

} // namespace coordinate::scalar
