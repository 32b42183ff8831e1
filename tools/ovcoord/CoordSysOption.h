#pragma once

#include <QString>
#include <QStringList>

// A coordinate system named on the command line: a VECTOR_COORDSYS value, with its EPSG code
// for "epsg:CODE" (-1 otherwise).
struct CoordSysChoice
{
    int coordSys = 3;
    int epsg = -1;

    bool operator==(const CoordSysChoice& other) const
    {
        return coordSys == other.coordSys && epsg == other.epsg;
    }
    bool operator!=(const CoordSysChoice& other) const { return !(*this == other); }
};

// Reads NAME: wgs84, webmercator, gcj02, gcj02-mercator, bd09, bd09-mercator, utm,
// beijing54-gk, xian80-gk, cgcs2000-gk (case-insensitive), or epsg:CODE for a code GDAL knows.
// False, CHOICE unchanged, for anything else.
bool coordSysFromName(const QString& name, CoordSysChoice* choice);

// The names coordSysFromName accepts besides epsg:CODE, in their order.
QStringList coordSysNames();

// Whether the system needs a central meridian (Gauss-Krueger and UTM).
bool needsCentralMeridian(const CoordSysChoice& choice);
