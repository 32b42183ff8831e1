#pragma once

#include "OvCoordSystem/OvPlatformGlobal.h"

#include <string>

// The stored default spatial reference of one datum.
struct tagSpatialRefWktFields
{
    bool save = false; // the fields are the datum's chosen defaults
    std::string wkt; // WKT 1 of the reference
    double meridian = 0; // central meridian (degrees)
    int zone = 3; // zone width (3 or 6; other values for a free projection)
    double latitudeOfOrigin = 0; // degrees
    double falseEasting = 0; // metres
    double falseNorthing = 0; // metres
    std::string sevenData = "0,0,0,0,0,0,0"; // the seven datum-shift parameters, comma separated
};

// The host's file of a datum's default spatial reference: an INI file with one group
// "SpatialRef" whose keys are Save, Wkt, Meridian, Zone, LatitudeOfOrigin, FalseEasting,
// FalseNorthing and SevenData. Values are kept as raw bytes (the WKT and the seven-parameter text
// in the caller's encoding); numbers in C notation.
class OVPLATFORM_EXPORT CSpatialRefWktConfig
{
public:
    // Reads PATH into the fields. A missing file is created with the current fields (its folder
    // too) and counts as read. False, fields unchanged, when the file cannot be read or created,
    // has no "SpatialRef" group, or holds a line that is not "key=value", or a value that does not
    // parse; keys the file does not hold keep their value.
    bool LoadConfigOrCreateIfNoExist(const std::string& path);
    // Writes the fields to PATH through a temporary file renamed over it, so a failed write leaves
    // the previous file whole. Creates the folder when missing; false when the file cannot be
    // written.
    bool SaveParameter(const std::string& path) const;

    const tagSpatialRefWktFields& GetFields() const;
    void SetFields(const tagSpatialRefWktFields& fields);

private:
    tagSpatialRefWktFields m_fields;
};
