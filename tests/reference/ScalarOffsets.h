#pragma once

// Plain scalar loops of the offset formulas with the engines' semantics, built with
// -ffp-contract=off and the default math flags so that they give the same bits on every machine.
// The reference against which the vectorised engines are checked and measured.

namespace coordinate::scalar {

// GCJ02CoordSys::FromWGS84, point by point.
bool Gcj02FromWgs84(double* x, double* y, int count);
// GCJ02CoordSys::ToWGS84, point by point.
bool Gcj02ToWgs84(double* x, double* y, int count);
// BD09CoordSys::GCJ02ToBD09 and BD09ToGCJ02, point by point.
void Gcj02ToBd09(double* x, double* y, int count);
void Bd09ToGcj02(double* x, double* y, int count);

} // namespace coordinate::scalar
