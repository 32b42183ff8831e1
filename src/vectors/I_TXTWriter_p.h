#pragma once

#include "OvCoordSystem/vectors/I_WriterVectorAdapter_p.h"

// Text and Excel records (TXT, DAT, CSV, XLS). Each layer gets a folder of its own named after
// it (name(1), name(2), ... when taken), below dir/base when there are several layers. A mixed
// layer is split into its points ("点数据"), lines ("线数据") and polygons ("面数据"), written as
// base_点, base_线 and base_面; the field "REMARK" becomes "remarks".
class I_TXTWriter : public I_WriterVectorAdapter
{
    Q_OBJECT
public:
    I_TXTWriter() = default;

    void writeLayers(
        const QVector<VectorLayerData>& layers, const VectorWriteOptions& options) override;
};
