#pragma once

#include "OvCoordSystem/vectors/VectorCoordParameters.h"

#include <QString>

// What a vector reader reads: a file, and the coordinate systems to read it in.
struct VectorReadOptions
{
    QString path;
    VectorCoordParameters coordParameters;
};
