#pragma once

#include "OvCoordSystem/OvGlobal.h"
#include "OvCoordSystem/geodesy/EkGDALUtility.h"
#include "OvCoordSystem/host/Extent.h"

#include <QString>

#include <string>

class CSpatialReference;

// The parameters from which the spatial-reference maker builds a reference, and the rules that
// change them: the presets, an extent, an EPSG code and a DXF file whose eastings carry a zone
// number. It holds no widget, so tools without a GUI build the same references.
struct OVCOORD_EXPORT SpatialRefParameters
{
    E_COORDINATE_SYSTEM coordSys = COORD_WGS84_LNGLAT;
    double meridian = 117.0; // central meridian (degrees)
    double lb = 0.0;
    E_ELLIPOSE_ZONE zoning = ELLIPOSE_ZONE_3;
    bool north = true;
    tagGeoTransformParameter seven;
    bool addZoneNO = false; // X coordinates carry the zone number in front
    bool save = false; // the parameters are the stored defaults of the datum
    // What the caller or the DXF guess supplied; they replace the values above whenever no
    // stored defaults apply.
    double presetMeridian = 117.0;
    E_ELLIPOSE_ZONE presetZoning = ELLIPOSE_ZONE_3;
    bool presetNorth = true;
    bool presetAddZoneNO = false;
    // Used by a free projection (zoning neither 3 nor 6): degrees, metres, metres.
    double latitudeOfOrigin = 0;
    double falseEasting = 0;
    double falseNorthing = 0;
    bool filePathPending = false; // filePath waits for the DXF guess
    QString filePath;

    // Whether COORDSYS is one of the Gauss-Krüger datums (Beijing 1954, Xian 1980, CGCS2000).
    static bool IsGaussDatum(int coordSys);

    // Meridian, prefix, zoning and hemisphere from their presets.
    void ResetFromPresets();
    // The three-degree zone of the extent's middle; the hemisphere from the second corner. A BD09
    // extent is shifted to WGS84 first. The presets stay.
    void InitalParameter(const EXTENT& extent, bool bd09);
    // Takes over what an EPSG code tells of meridian, zoning, prefix and hemisphere; logs a warning
    // when the code describes nothing.
    void TakeFromEpsg(int epsg);
    // Takes over the meridian, zoning, prefix and hemisphere that CS reports as present.
    void TakeFrom(const tagCoordinateSystem& cs);
    // Examines a pending DXF file once: the zone number in front of its "$EXTMIN" easting sets the
    // prefix and, for zones 1 to 61, the three-degree zone. Only for the Gauss-Krüger datums and
    // without stored defaults; a path not ending in "dxf" stays pending.
    void GuessFromDxf();
    // A new reference for the current system, or for EPSG when it is not negative (4326 and 3857
    // stand for their own systems); the GCJ02 and BD09 systems give the toolkit's shared local
    // references. Null when the toolkit cannot make it.
    CSpatialReference* Make(int epsg);
    // The WKT of the reference of COORDSYS with every projection parameter taken from these
    // values, as stored for the datum's defaults; empty when no reference can be made.
    std::string DefaultsWkt(E_COORDINATE_SYSTEM coordSys, int epsg) const;

    // The seven parameters as text: 'g' with six digits, joined by "," (GB18030 bytes).
    std::string SevenText() const;
    // Takes up to seven numbers from TEXT, split at ","; the others become 0. False (and a
    // logged warning) when TEXT does not hold exactly seven numbers.
    bool SetSevenFromText(const std::string& text);
};
