#include "OvCoordSystem/widgets/coordsys/SpatialRefWktConfigManager.h"

#include "OvCoordSystem/host/app/OvCoreApplication.h"

namespace {

const char* fileNameOf(E_COORDINATE_SYSTEM datum)
{
    switch (datum) {
    case COORD_BEIJING54_GAUSS:
        return "Profiles/beijing54_SpatialRef_prj.ini";
    case COORD_XIAN80_GAUSS:
        return "Profiles/xian80_SpatialRef_prj.ini";
    case COORD_CGCS2000_GAUSS:
        return "Profiles/cgcs2000_SpatialRef_prj.ini";
    default:
        return nullptr;
    }
}

} // namespace

CSpatialRefWktConfigManager* CSpatialRefWktConfigManager::GetSpatialRefWktConfigManager()
{
    // A function-local static is initialised once, also when threads race for it, and destroyed
    // at exit.
    static CSpatialRefWktConfigManager manager;
    return &manager;
}

CSpatialRefWktConfigManager::CSpatialRefWktConfigManager()
    : m_configDir(COvCoreApplication::GetInstance()->GetConfigDir())
{ }

std::string CSpatialRefWktConfigManager::FilePath(E_COORDINATE_SYSTEM datum) const
{
    const char* name = fileNameOf(datum);
    return name ? m_configDir + name : std::string();
}

bool CSpatialRefWktConfigManager::GetSpatialRefWkt(E_COORDINATE_SYSTEM datum, std::string& wkt,
    bool& save, double& meridian, int& zone, double& latitudeOfOrigin, double& falseEasting,
    double& falseNorthing, std::string& sevenData)
{
    auto cached = m_cache.find(datum);
    if (cached == m_cache.end()) {
        if (!fileNameOf(datum)) return false;
        CSpatialRefWktConfig config;
        if (!config.LoadConfigOrCreateIfNoExist(FilePath(datum))) return false;
        cached = m_cache.emplace(datum, config.GetFields()).first;
    }
    const tagSpatialRefWktFields& r = cached->second;
    wkt = r.wkt;
    save = r.save;
    meridian = r.meridian;
    zone = r.zone;
    latitudeOfOrigin = r.latitudeOfOrigin;
    falseEasting = r.falseEasting;
    falseNorthing = r.falseNorthing;
    sevenData = r.sevenData;
    return true;
}

bool CSpatialRefWktConfigManager::SetSpatialRefWkt(E_COORDINATE_SYSTEM datum,
    const std::string& wkt, const bool& save, const double& meridian, const int& zone,
    const double& latitudeOfOrigin, const double& falseEasting, const double& falseNorthing,
    const std::string& sevenData)
{
    if (!fileNameOf(datum)) return false;
    tagSpatialRefWktFields fields;
    fields.save = save;
    fields.wkt = wkt;
    fields.meridian = meridian;
    fields.zone = zone;
    fields.latitudeOfOrigin = latitudeOfOrigin;
    fields.falseEasting = falseEasting;
    fields.falseNorthing = falseNorthing;
    fields.sevenData = sevenData;
    m_cache[datum] = fields;
    CSpatialRefWktConfig config;
    config.SetFields(fields);
    return config.SaveParameter(FilePath(datum));
}
