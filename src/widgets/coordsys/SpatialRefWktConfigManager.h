#pragma once

#include "OvCoordSystem/OvGlobal.h"
#include "OvCoordSystem/geodesy/CoordinateSystemTypes.h"
#include "OvCoordSystem/host/config/SpatialRefWktConfig.h"

#include <map>
#include <string>

// The stored default spatial references of the three Gauss-Krüger datums (Beijing 1954, Xian
// 1980, CGCS2000), one file each under "Profiles/" in the host's configuration folder, with a
// cache in front. The host uses the process-wide manager; GUI thread only (the cache is not
// locked, only the creation of the manager is).
class OVCOORD_EXPORT CSpatialRefWktConfigManager
{
public:
    // The process-wide manager, created on first use.
    static CSpatialRefWktConfigManager* GetSpatialRefWktConfigManager();

    // A manager of its own with an empty cache, reading the host's configuration folder as it is
    // now. The host uses the process-wide one.
    CSpatialRefWktConfigManager();

    // The stored record of DATUM: from the cache, else from its file (created with the defaults
    // when missing). False for other systems and files that cannot be read; the outputs are then
    // left alone.
    bool GetSpatialRefWkt(E_COORDINATE_SYSTEM datum, std::string& wkt, bool& save, double& meridian,
        int& zone, double& latitudeOfOrigin, double& falseEasting, double& falseNorthing,
        std::string& sevenData);
    // Puts the record of DATUM into the cache and writes its file; false for other systems and
    // when the file cannot be written (the cache keeps the record, the file stays as it was).
    bool SetSpatialRefWkt(E_COORDINATE_SYSTEM datum, const std::string& wkt, const bool& save,
        const double& meridian, const int& zone, const double& latitudeOfOrigin,
        const double& falseEasting, const double& falseNorthing, const std::string& sevenData);

    // The file of DATUM; empty for other systems.
    std::string FilePath(E_COORDINATE_SYSTEM datum) const;

private:
    std::map<int, tagSpatialRefWktFields> m_cache;
    std::string m_configDir;
};
