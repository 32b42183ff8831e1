#pragma once

#include "OvCoordSystem/host/Vector3D.h"
#include "OvCoordSystem/host/search/DivisionInfo.h"

#include <gdal_priv.h>

#include <string>
#include <vector>

class OGRLayer;

// One GeoPackage of divisions, open for reading. Names cross this class in UTF-8, as the file
// holds them. Not thread-safe: the module serialises the calls.
class CDivisionStore
{
public:
    using Ring = std::vector<CVector3D>;

    // Opens path; IsOpen tells whether it worked and ErrorText why not.
    explicit CDivisionStore(const std::string& path);

    bool IsOpen() const { return m_layer != nullptr; }
    const std::string& ErrorText() const { return m_error; }

    // The division and the outer ring of each of its polygons (points with a NaN or infinite
    // coordinate dropped, rings left with fewer than four points skipped). Code must already be
    // six digits.
    bool Find(const std::string& code, tagDivisionInfo* info, std::vector<Ring>* rings);
    // Exactly named first, then by name prefix; at most maxCount.
    std::vector<tagDivisionInfo> FindByName(const std::string& name, int maxCount);
    std::vector<tagDivisionInfo> Children(const std::string& parentCode);

private:
    std::vector<tagDivisionInfo> Select(const std::string& where, int maxCount);

    GDALDatasetUniquePtr m_dataset;
    OGRLayer* m_layer = nullptr;
    std::string m_error;
};
