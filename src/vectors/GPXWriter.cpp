#include "OvCoordSystem/vectors/GPXWriter.h"

#include "OvCoordSystem/vectors/VCTFeature.h"
#include "OvCoordSystem/vectors/VCTGeometry.h"
#include "OvCoordSystem/vectors/WriterErrors_p.h"

#include <QDebug>
#include <QFile>
#include <QFileInfo>

#include <cpl_error.h>
#include <cpl_string.h>
#include <gdal_priv.h>
#include <ogrsf_frmts.h>

#include <memory>

namespace vectors {

bool GPXWriter::open()
{
    const QString& path = m_parameters.path;
    qDebug().noquote() << QStringLiteral("VuzUdur:") + path;
    GDALDriver* driver = GetGDALDriverManager()->GetDriverByName("GPX");
    if (!driver) {
        m_errorText = writererrors::kNoGpxDriver;
        return false;
    }
    close();
    if (QFileInfo::exists(path)) QFile::remove(path);
    // Attributes outside GPX's own schema are kept as extensions rather than dropped.
    char** options = CSLSetNameValue(nullptr, "GPX_USE_EXTENSIONS", "YES");
    m_dataset = path.isEmpty()
        ? nullptr
        : driver->Create(path.toLocal8Bit().constData(), 0, 0, 0, GDT_Unknown, options);
    CSLDestroy(options);
    if (!m_dataset) {
        m_errorText = writererrors::kCreateGpxFailed;
        return false;
    }
    OGRSpatialReference wgs84;
    wgs84.SetWellKnownGeogCS("WGS84");
    wgs84.SetAxisMappingStrategy(OAMS_TRADITIONAL_GIS_ORDER);
    m_points = m_dataset->CreateLayer("points", &wgs84, wkbPoint, nullptr);
    m_lines = m_dataset->CreateLayer("lines", &wgs84, wkbLineString, nullptr);
    if (!m_points || !m_lines) {
        m_errorText = writererrors::kCreateLayerFailed;
        return false;
    }
    createFields(m_points);
    createFields(m_lines);
    m_layer = m_points;
    return true;
}

void GPXWriter::close()
{
    m_points = nullptr;
    m_lines = nullptr;
    GDALWriter::close();
}

bool GPXWriter::writeFeature(VCTFeature& feature)
{
    VCTGeometry* geometry = feature.geometry();
    OGRLayer* layer = nullptr;
    if (geometry && geometry->geometryKind() == VCTGeometry::KindPoint)
        layer = m_points;
    else if (geometry && geometry->geometryKind() == VCTGeometry::KindLineString)
        layer = m_lines;
    else
        return false; // GPX holds way points and routes only
    std::unique_ptr<OGRFeature, void (*)(OGRFeature*)> created(
        layer ? OGRFeature::CreateFeature(layer->GetLayerDefn()) : nullptr,
        OGRFeature::DestroyFeature);
    if (!created) {
        m_errorText = writererrors::kFeatureFailed;
        return false;
    }
    if (!fillFeature(*created, feature, layer, true)) return false;
    // GPX takes a way point's height from its "ele" element, not from the geometry.
    const int ele = created->GetFieldIndex("ele");
    const OGRGeometry* written = created->GetGeometryRef();
    if (layer == m_points && ele >= 0 && !created->IsFieldSetAndNotNull(ele) && written->Is3D())
        created->SetField(ele, written->toPoint()->getZ());
    return createIn(layer, created.get());
}

} // namespace vectors
