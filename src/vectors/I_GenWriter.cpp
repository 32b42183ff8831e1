#include "vectors/I_GenWriter_p.h"

#include "vectors/LayerPaths_p.h"

void I_GenWriter::writeLayers(
    const QVector<VectorLayerData>& layers, const VectorWriteOptions& options)
{
    for (int i = 0; i < layers.size(); ++i) {
        VectorWriteOptions layerOptions = options;
        if (layers.size() > 1)
            layerOptions.path = vectors::perLayerPath(options.path, layers[i].name, i + 1);
        writeLayerMaybeClipped(layers[i], layerOptions);
    }
}
