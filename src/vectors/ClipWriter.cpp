#include "OvCoordSystem/vectors/ClipWriter_p.h"

#include "OvCoordSystem/geodesy/GdalImport.h"

#include "OvCoordSystem/vectors/FeatureGeometry.h"
#include "OvCoordSystem/vectors/GdalEnvironment_p.h"
#include "OvCoordSystem/vectors/I_WriteVector.h"
#include "OvCoordSystem/vectors/LayerPaths_p.h"
#include "OvCoordSystem/vectors/RecordGeometry_p.h"
#include "OvCoordSystem/vectors/VCTGeometry.h"
#include "OvCoordSystem/vectors/VCTGeometryFactory.h"
#include "OvCoordSystem/vectors/WriterState_p.h"

#include <QDebug>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <cpl_error.h>
#include <ogr_geometry.h>

#include <cmath>
#include <memory>

namespace vectors {

namespace {

using GeometryPtr = std::unique_ptr<OGRGeometry>;

// The union of the clip polygons with at least three finite vertices (each repaired when it
// crosses itself); null when there is none. Clip polygons are few, so they are merged one by one.
GeometryPtr clipArea(const QVector<VectorPointList>& clipPolygons)
{
    const EkGDALUtilityNS::CQuietGdalErrors quiet;
    GeometryPtr area;
    for (const VectorPointList& points : clipPolygons) {
        if (points.size() < 3) continue;
        auto ring = std::make_unique<OGRLinearRing>();
        bool finite = true;
        for (const CVector3D& p : points) {
            finite = finite && std::isfinite(p.x) && std::isfinite(p.y);
            ring->addPoint(p.x, p.y);
        }
        if (!finite) continue;
        ring->closeRings();
        OGRPolygon polygon;
        polygon.addRingDirectly(ring.release());
        GeometryPtr valid(polygon.IsValid() ? polygon.clone() : polygon.MakeValid());
        if (!valid) continue;
        area = area ? GeometryPtr(area->Union(valid.get())) : std::move(valid);
    }
    return area && !area->IsEmpty() ? std::move(area) : nullptr;
}

// GEOMETRY's intersection with AREA, retried on a repaired copy when GEOS refuses the original.
GeometryPtr intersect(const OGRGeometry& geometry, const OGRGeometry& area)
{
    const EkGDALUtilityNS::CQuietGdalErrors quiet;
    GeometryPtr cut(geometry.Intersection(&area));
    if (cut) return cut;
    GeometryPtr repaired(geometry.MakeValid());
    return GeometryPtr(repaired ? repaired->Intersection(&area) : nullptr);
}

// The members of CUT of FAMILY (wkbPoint, wkbLineString, wkbPolygon); a cut often adds lower
// dimensions where a feature touches the area's edge.
GeometryPtr keepFamily(GeometryPtr cut, OGRwkbGeometryType family)
{
    const OGRwkbGeometryType type = wkbFlatten(cut->getGeometryType());
    if (type == family) return cut;
    if (!OGR_GT_IsSubClassOf(type, wkbGeometryCollection)) return nullptr;
    auto kept = std::make_unique<OGRGeometryCollection>();
    for (const OGRGeometry* member : *cut->toGeometryCollection()) {
        if (wkbFlatten(member->getGeometryType()) == family) kept->addGeometry(member);
    }
    return kept->IsEmpty() ? nullptr : std::move(kept);
}

// The OGR geometry family of a record type that is written.
OGRwkbGeometryType familyOf(int geometryType)
{
    static const OGRwkbGeometryType kFamilies[3] = { wkbPoint, wkbLineString, wkbPolygon };
    return kFamilies[geometryFamily(geometryType)];
}

// Moves the file set BASE.* from the staging folder FROM into FOLDER, replacing files of that
// name; false when the main file BASE.SUFFIX is missing.
bool moveFileSet(
    const QDir& from, const QString& folder, const QString& base, const QString& suffix)
{
    if (!from.exists(base + QLatin1Char('.') + suffix)) {
        qDebug().noquote() << QStringLiteral("VuzUdur:can't found file.")
                           << from.filePath(base + QLatin1Char('.') + suffix);
        return false;
    }
    QDir dir(folder);
    for (const QString& name : from.entryList({ base + QStringLiteral(".*") }, QDir::Files)) {
        dir.remove(name);
        QFile::rename(from.filePath(name), dir.filePath(name));
    }
    return true;
}

} // namespace

VectorLayerData clipLayer(
    const VectorLayerData& layer, const QVector<VectorPointList>& clipPolygons)
{
    VectorLayerData clipped = layer;
    clipped.features.clear();
    const GeometryPtr area = clipArea(clipPolygons);
    if (!area) return clipped;
    for (const VectorFeatureData& feature : layer.features) {
        VCTGeometry* geometry = recordGeometry(feature, true);
        if (!geometry) continue;
        GeometryPtr cut = intersect(*geometry->getOgrGeometry(), *area);
        releaseVctGeometry(geometry);
        if (!cut || cut->IsEmpty()) continue;
        cut = keepFamily(std::move(cut), familyOf(feature.geometryType));
        VectorFeatureData inside = feature;
        if (cut && setFeatureGeometry(inside, cut.get())) clipped.features.append(inside);
    }
    return clipped;
}

void writeClippedLayer(
    I_WriteVector& writer, const VectorLayerData& layer, const VectorWriteOptions& options)
{
    initGdalEnvironment(GdalVectorMode);
    const VectorLayerData clipped = clipLayer(layer, options.clipPolygons);
    if (clipped.features.isEmpty()) {
        qDebug().noquote() << QStringLiteral("VuzUdur:nothing inside the clip area for ")
                + options.path;
        return;
    }
    const QFileInfo info(options.path);
    const QString folder = info.absolutePath();
    // Staged under its final name, so that names written inside the files (a GeoJSON layer name,
    // a KML document name) are the user's, in a folder beside the output for a cheap move.
    const QTemporaryDir stage(folder + QStringLiteral("/.tmp_clip-XXXXXX"));
    if (!stage.isValid()) {
        qDebug().noquote() << QStringLiteral("VuzUdur:can't create the folder for ") + options.path;
        return;
    }
    const QDir stageDir(stage.path());
    VectorWriteOptions staged = options;
    staged.path = stageDir.filePath(info.fileName());

    // The staged file must not become the path the caller is shown.
    WriterState& state = writerState();
    const QString lastWritten = state.lastWrittenPath;
    writer.writeLayer(clipped, staged);
    state.lastWrittenPath = lastWritten;

    // Each main file with the suffix writeLayer gave it.
    struct Move
    {
        QString base, suffix;
    };
    QVector<Move> moves;
    if (upperSuffix(options.path) == QLatin1String("SHP")) {
        static const char* const kKindWords[3] = { "point", "polyline", "polygon" };
        bool present[3] = { false, false, false };
        for (const VectorFeatureData& feature : clipped.features)
            present[geometryFamily(feature.geometryType)] = true;
        for (int kind = 0; kind < 3; ++kind) {
            if (!present[kind]) continue;
            const QString word = QLatin1Char('_') + QLatin1String(kKindWords[kind]);
            moves.append({ info.completeBaseName() + word, info.suffix().toLower() });
        }
    } else {
        moves.append({ info.completeBaseName(), info.suffix() });
    }
    for (const Move& move : moves) {
        if (!moveFileSet(stageDir, folder, move.base, move.suffix)) continue;
        if (state.lastWrittenPath.isEmpty())
            state.lastWrittenPath
                = folder + QLatin1Char('/') + move.base + QLatin1Char('.') + move.suffix;
    }
}

} // namespace vectors
