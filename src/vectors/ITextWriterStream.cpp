#include "OvCoordSystem/vectors/ITextWriterStream.h"

#include "OvCoordSystem/vectors/VCTFeature.h"
#include "OvCoordSystem/vectors/VCTGeometry.h"
#include "OvCoordSystem/vectors/VCTGeometryFactory.h"
#include "OvCoordSystem/vectors/VCTHelpers_p.h"
#include "OvCoordSystem/vectors/WriterErrors_p.h"

#include <ogr_feature.h>
#include <ogr_geometry.h>

#include <memory>
#include <vector>

namespace vectors {
namespace {

struct Vertex
{
    double x, y, z;
};

bool expressible(const OGRGeometry& geometry)
{
    switch (wkbFlatten(geometry.getGeometryType())) {
    case wkbPoint:
    case wkbLineString:
    case wkbPolygon:
    case wkbMultiPoint:
    case wkbMultiLineString:
    case wkbMultiPolygon:
        return true;
    default:
        return false;
    }
}

// The attribute NAME (compared without case), or FALLBACK when there is none.
QString attributeText(
    const QMap<QString, QVariant>& attributes, const QStringList& names, const QString& fallback)
{
    for (auto it = attributes.constBegin(); it != attributes.constEnd(); ++it)
        if (names.contains(it.key(), Qt::CaseInsensitive)) return it.value().toString();
    return fallback;
}

} // namespace

bool ITextWriterStream::writeFeature(VCTFeature& feature)
{
    OGRGeometry* original = feature.geometry() ? feature.geometry()->getOgrGeometry() : nullptr;
    if (!original || !expressible(*original)) {
        m_errorText = writererrors::kUnsupportedData;
        return false;
    }
    std::unique_ptr<OGRGeometry> reprojected;
    if (m_reproject) {
        reprojected.reset(original->clone());
        if (reprojectGeometry(reprojected.get()) != OGRERR_NONE) {
            m_errorText = writererrors::kReprojectFailed;
            return false;
        }
    }
    std::vector<Vertex> vertices;
    walkGeometry(
        reprojected ? *reprojected : *original,
        [&vertices](OGRPoint& p) {
            vertices.push_back({ p.getX(), p.getY(), p.getZ() });
        },
        [&vertices](OGRSimpleCurve& curve) {
            for (int i = 0; i < curve.getNumPoints(); ++i)
                vertices.push_back({ curve.getX(i), curve.getY(i), curve.getZ(i) });
        });

    TextRecord record;
    record.attributes = &feature.attributes();
    record.name = attributeText(feature.attributes(), { QStringLiteral("name") }, feature.name);
    record.remark = attributeText(feature.attributes(),
        { QStringLiteral("remark"), QStringLiteral("remarks") }, feature.remark);
    const bool everyRecord = separatorOnEveryRecord();
    const std::size_t count = vertices.size();
    bool written = true;
    for (std::size_t i = 0; i < count; ++i) {
        const Vertex& vertex = vertices[i];
        record.x = vertex.x;
        record.y = vertex.y;
        record.z = vertex.z;
        record.separator = everyRecord || i + 1 == count;
        written = writeRecord(record) && written;
    }
    return written;
}

bool ITextWriterStream::copyFeatureWithLabel(OGRFeature* feature)
{
    if (!feature) {
        m_errorText = writererrors::kFeatureFailed;
        return false;
    }
    VCTGeometry* geometry = nullptr;
    if (!createVctGeometry(feature->GetGeometryRef(), geometry)) {
        m_errorText = writererrors::kUnsupportedData;
        return false;
    }
    VCTFeature copy(geometry);
    // OGR hands out field names and texts in UTF-8.
    for (int i = 0; i < feature->GetFieldCount(); ++i) {
        if (!feature->IsFieldSetAndNotNull(i)) continue;
        copy.setAttribute(QString::fromUtf8(feature->GetFieldDefnRef(i)->GetNameRef()),
            QString::fromUtf8(feature->GetFieldAsString(i)));
    }
    return writeFeature(copy);
}

} // namespace vectors
