#pragma once

#include "OvCoordSystem/host/Vector3D.h"

#include <QVector>

// A run of vertices in the vector exchange records: one part of a feature, or one clip polygon.
// Longitude, latitude and height for geographic data; easting, northing and height (metres) for
// projected data.
using VectorPointList = QVector<CVector3D>;
