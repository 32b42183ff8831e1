#pragma once

#include "OvCoordSystem/vectors/I_WriterVectorAdapter_p.h"

// GPX: laid out like I_GenWriter. Each layer's points come before its lines (GPX keeps waypoints
// before routes), and the field "REMARK" becomes the GPX description "desc". GPX has no polygons.
class I_GPXWriter : public I_WriterVectorAdapter
{
    Q_OBJECT
public:
    I_GPXWriter() = default;

    void writeLayers(
        const QVector<VectorLayerData>& layers, const VectorWriteOptions& options) override;
};
