#pragma once

// The one numbering of coordinate systems offered for export. The same values serve as
// VECTOR_COORDSYS in the vector toolkit; 6 to 12 are unused. The enums here have a fixed
// underlying type so that any int is a legal value: callers refuse the ones they do not know.
enum E_COORDINATE_SYSTEM : int
{
    COORD_BEIJING54_GAUSS = 0, // Beijing 1954, Gauss-Krüger
    COORD_XIAN80_GAUSS = 1, // Xian 1980, Gauss-Krüger
    COORD_CGCS2000_GAUSS = 2, // CGCS2000, Gauss-Krüger
    COORD_WGS84_LNGLAT = 3, // WGS84 longitude/latitude, EPSG 4326
    COORD_WGS84_WEB_MERCATOR = 4, // WGS84 Web Mercator, EPSG 3857
    COORD_WGS84_UTM = 5, // WGS84 UTM
    COORD_BD09_LNGLAT = 13, // BD09 longitude/latitude (local system 3)
    COORD_BD09_WEB_MERCATOR = 14, // BD09 Mercator (local system 5)
    COORD_GCJ02_LNGLAT = 15, // GCJ02 longitude/latitude (local system 2)
    COORD_GCJ02_WEB_MERCATOR = 16, // GCJ02 Web Mercator (local system 4)
    COORD_BY_EPSG = 17 // any other system, given by its EPSG code
};

// The geodesy toolkit's local (offset) systems, which GDAL does not know.
enum E_LOCAL_GEO_SRS : int
{
    LOCAL_GEO_SRS_GCJ02_LNGLAT = 2,
    LOCAL_GEO_SRS_BD09_LNGLAT = 3,
    LOCAL_GEO_SRS_GCJ02_WEB_MERCATOR = 4,
    LOCAL_GEO_SRS_BD09_MERCATOR = 5
};
