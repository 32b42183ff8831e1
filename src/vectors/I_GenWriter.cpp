#include "OvCoordSystem/vectors/I_GenWriter_p.h"

#include "OvCoordSystem/vectors/LayerPaths_p.h"

void I_GenWriter::writeLayers(
    const QVector<VectorLayerData>& layers, const VectorWriteOptions& options)
{
    const QStringList paths = vectors::layerFilePaths(options.path, layers);
    for (int i = 0; i < layers.size(); ++i) {
        VectorWriteOptions layerOptions = options;
        layerOptions.path = paths[i];
        writeLayerMaybeClipped(layers[i], layerOptions);
    }
}
