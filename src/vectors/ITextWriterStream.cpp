#include "OvCoordSystem/vectors/ITextWriterStream.h"

#include "OvCoordSystem/vectors/VCTFeature.h"
#include "OvCoordSystem/vectors/VCTGeometry.h"
#include "OvCoordSystem/vectors/VCTGeometryFactory.h"

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

// Every vertex of a geometry in OGR's order (rings and members in turn).
class VertexCollector final : public OGRDefaultConstGeometryVisitor
{
public:
    std::vector<Vertex> vertices;

    using OGRDefaultConstGeometryVisitor::visit;
    void visit(const OGRPoint* point) override
    {
        if (!point->IsEmpty()) vertices.push_back({ point->getX(), point->getY(), point->getZ() });
    }
    void visit(const OGRLineString* line) override { visitCurve(line); }
    void visit(const OGRLinearRing* ring) override { visitCurve(ring); }

private:
    void visitCurve(const OGRSimpleCurve* curve)
    {
        for (int i = 0; i < curve->getNumPoints(); ++i)
            vertices.push_back({ curve->getX(i), curve->getY(i), curve->getZ(i) });
    }
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
        m_errorText = QStringLiteral("不支持的数据类型");
        return false;
    }
    std::unique_ptr<OGRGeometry> reprojected;
    if (m_reproject) {
        reprojected.reset(original->clone());
        if (reprojectGeometry(reprojected.get()) != OGRERR_NONE) {
            m_errorText = QStringLiteral("坐标转换失败。");
            return false;
        }
    }
    VertexCollector collector;
    (reprojected ? reprojected.get() : original)->accept(&collector);

    TextRecord record;
    record.attributes = &feature.attributes();
    record.name = attributeText(feature.attributes(), { QStringLiteral("name") }, feature.name);
    record.remark = attributeText(feature.attributes(),
        { QStringLiteral("remark"), QStringLiteral("remarks") }, feature.remark);
    const bool everyRecord = separatorOnEveryRecord();
    const std::size_t count = collector.vertices.size();
    bool written = true;
    for (std::size_t i = 0; i < count; ++i) {
        const Vertex& vertex = collector.vertices[i];
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
        m_errorText = QStringLiteral("无法构建几何图形。");
        return false;
    }
    VCTGeometry* geometry = nullptr;
    if (!createVctGeometry(feature->GetGeometryRef(), geometry)) {
        m_errorText = QStringLiteral("不支持的数据类型");
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
