#include "OvCoordSystem/vectors/I_GPXWriter_p.h"

#include "OvCoordSystem/vectors/LayerPaths_p.h"
#include "OvCoordSystem/vectors/RecordGeometry_p.h"

#include <QDebug>

#include <algorithm>

namespace {

// Waypoints, then routes, then what GPX cannot hold.
int gpxRank(const VectorFeatureData& feature)
{
    const int family = vectors::geometryFamily(feature.geometryType);
    return family == VectorLayerData::Points ? 0 : family == VectorLayerData::Lines ? 1 : 2;
}

} // namespace

void I_GPXWriter::writeLayers(
    const QVector<VectorLayerData>& layers, const VectorWriteOptions& options)
{
    const QStringList paths = vectors::layerFilePaths(options.path, layers);
    for (int i = 0; i < layers.size(); ++i) {
        VectorWriteOptions layerOptions = options;
        layerOptions.path = paths[i];
        VectorLayerData layer = layers[i];
        qDebug("OvInterface:sort GPX data.");
        std::stable_sort(layer.features.begin(), layer.features.end(),
            [](const VectorFeatureData& a, const VectorFeatureData& b) {
                return gpxRank(a) < gpxRank(b);
            });
        vectors::renameField(layer, QStringLiteral("REMARK"), QStringLiteral("desc"));
        writeLayerMaybeClipped(layer, layerOptions);
    }
}
