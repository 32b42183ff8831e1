#include "OvCoordSystem/host/search/DivisionStore_p.h"

#include <ogrsf_frmts.h>

#include <cmath>
#include <mutex>

namespace {
const char* const kLayer = "divisions";
const char* const kFields[] = { "code", "name", "level", "parent" };

tagDivisionInfo InfoOf(OGRFeature& feature)
{
    tagDivisionInfo info;
    info.code = feature.GetFieldAsString(kFields[0]);
    info.name = feature.GetFieldAsString(kFields[1]);
    info.level = feature.GetFieldAsInteger(kFields[2]);
    info.parent = feature.GetFieldAsString(kFields[3]);
    return info;
}

// A text as an SQL string literal.
std::string Quoted(const std::string& text)
{
    std::string quoted = "'";
    for (char c : text) {
        if (c == '\0') break;
        quoted += c;
        if (c == '\'') quoted += c;
    }
    return quoted + "'";
}

void AppendOuterRing(const OGRLinearRing* ring, std::vector<CDivisionStore::Ring>* rings)
{
    if (!ring) return;
    CDivisionStore::Ring points;
    points.reserve(ring->getNumPoints());
    for (int i = 0; i < ring->getNumPoints(); ++i) {
        const double x = ring->getX(i), y = ring->getY(i);
        if (std::isfinite(x) && std::isfinite(y)) points.emplace_back(x, y, 0.0);
    }
    if (points.size() >= 4) rings->push_back(std::move(points)); // three corners and the close
}

void AppendOuterRings(const OGRGeometry* geometry, std::vector<CDivisionStore::Ring>* rings)
{
    if (!geometry) return;
    const OGRwkbGeometryType type = wkbFlatten(geometry->getGeometryType());
    if (type == wkbPolygon) {
        AppendOuterRing(geometry->toPolygon()->getExteriorRing(), rings);
    } else if (type == wkbMultiPolygon || type == wkbGeometryCollection) {
        for (const OGRGeometry* part : *geometry->toGeometryCollection())
            AppendOuterRings(part, rings);
    }
}
} // namespace

CDivisionStore::CDivisionStore(const std::string& path)
{
    static std::once_flag registered;
    std::call_once(registered, GDALAllRegister);
    const char* const drivers[] = { "GPKG", nullptr };
    CPLPushErrorHandler(CPLQuietErrorHandler);
    CPLErrorReset();
    m_dataset.reset(GDALDataset::Open(path.c_str(), GDAL_OF_VECTOR | GDAL_OF_READONLY, drivers));
    const std::string gdalError = CPLGetLastErrorMsg();
    CPLPopErrorHandler();
    if (!m_dataset) {
        m_error = gdalError.empty() ? "not a GeoPackage" : gdalError;
        return;
    }
    OGRLayer* layer = m_dataset->GetLayerByName(kLayer);
    if (!layer) {
        m_error = std::string("no layer \"") + kLayer + "\"";
        return;
    }
    for (const char* field : kFields) {
        if (layer->GetLayerDefn()->GetFieldIndex(field) < 0) {
            m_error = std::string("no field \"") + field + "\" in layer \"" + kLayer + "\"";
            return;
        }
    }
    m_layer = layer;
}

bool CDivisionStore::Find(const std::string& code, tagDivisionInfo* info, std::vector<Ring>* rings)
{
    if (!m_layer) return false;
    // The unique index on code makes this one lookup, not a scan.
    m_layer->SetAttributeFilter(("code = " + Quoted(code)).c_str());
    m_layer->ResetReading();
    OGRFeatureUniquePtr feature(m_layer->GetNextFeature());
    if (!feature) return false;
    if (info) *info = InfoOf(*feature);
    if (rings) AppendOuterRings(feature->GetGeometryRef(), rings);
    return true;
}

std::vector<tagDivisionInfo> CDivisionStore::FindByName(const std::string& name, int maxCount)
{
    const std::string literal = Quoted(name);
    std::vector<tagDivisionInfo> found = Select("name = " + literal, maxCount);
    const int left = maxCount - static_cast<int>(found.size());
    if (left > 0) {
        // substr counts characters, and unlike LIKE no character of the name is a wildcard.
        for (tagDivisionInfo& info : Select("substr(name, 1, length(" + literal + ")) = " + literal
                     + " AND name <> " + literal,
                 left))
            found.push_back(std::move(info));
    }
    return found;
}

std::vector<tagDivisionInfo> CDivisionStore::Children(const std::string& parentCode)
{
    return Select(parentCode.empty() ? "level = 1" : "parent = " + Quoted(parentCode), -1);
}

std::vector<tagDivisionInfo> CDivisionStore::Select(const std::string& where, int maxCount)
{
    std::vector<tagDivisionInfo> found;
    if (!m_layer || maxCount == 0) return found;
    std::string sql = std::string("SELECT code, name, level, parent FROM ") + kLayer + " WHERE "
        + where + " ORDER BY level, code";
    if (maxCount > 0) sql += " LIMIT " + std::to_string(maxCount);
    OGRLayer* result = m_dataset->ExecuteSQL(sql.c_str(), nullptr, nullptr);
    if (!result) return found;
    for (OGRFeatureUniquePtr feature(result->GetNextFeature()); feature;
         feature.reset(result->GetNextFeature()))
        found.push_back(InfoOf(*feature));
    m_dataset->ReleaseResultSet(result);
    return found;
}
