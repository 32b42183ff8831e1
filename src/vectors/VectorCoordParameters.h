#pragma once

#include "OvCoordSystem/coord/CoordinateSystem.h"

// The source and target coordinate systems of a write (or of a reprojection). A side given by an
// EPSG code uses it; a side without one (-1) is described by its VECTOR_COORDSYS value and, for
// Gauss-Krueger and UTM, the central meridian.
struct VectorCoordParameters
{
    int sourceCoordSys = VECTOR_BY_EPSG; // VECTOR_COORDSYS of the input points
    int sourceEpsg = -1; // EPSG code of the source, -1 = none
    double centralMeridian = 0.0; // degrees; for both sides when they have no EPSG code
    int streamParameter1 = 3; // passed to the writer stream unchanged
    int streamParameter2 = 0; // passed to the writer stream unchanged
    int targetCoordSys = VECTOR_BY_EPSG; // VECTOR_COORDSYS to write
    int targetEpsg = -1; // EPSG code of the target, -1 = none
    bool streamFlag = false; // passed to the writer stream unchanged
    // Datum shift dx, dy, dz (metres), rx, ry, rz (arc-seconds), scale (ppm).
    double sevenParameters[7] = { 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0 };
    int reserved1 = 0; // not used by the writer
    int reserved2 = -1; // not used by the writer
    int falseEasting = 500000; // metres; handed to the stream as a double
    // Transform the geometries from the source to the target system before writing, and declare
    // the target system on the output layer.
    bool reproject = false;
};
