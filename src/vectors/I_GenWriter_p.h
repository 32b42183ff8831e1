#pragma once

#include "OvCoordSystem/vectors/I_WriterVectorAdapter_p.h"

// Shapefile, GMT, MapInfo TAB and GeoJSON: one file per layer; with several layers each goes to
// dir/base/layerName/base.suffix.
class I_GenWriter : public I_WriterVectorAdapter
{
    Q_OBJECT
public:
    I_GenWriter() = default;

    void writeLayers(
        const QVector<VectorLayerData>& layers, const VectorWriteOptions& options) override;
};
