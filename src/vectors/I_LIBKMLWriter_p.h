#pragma once

#include "OvCoordSystem/vectors/I_WriterVectorAdapter_p.h"

// KML and KMZ through GDAL's LIBKML driver: one dataset, one folder per layer; the field
// "REMARK" becomes the KML "description". The writer entry sends KML and KMZ to the KML document
// writer instead, so this writer serves only callers of the dispatcher itself.
class I_LIBKMLWriter : public I_WriterVectorAdapter
{
    Q_OBJECT
public:
    I_LIBKMLWriter() = default;

    void writeLayers(
        const QVector<VectorLayerData>& layers, const VectorWriteOptions& options) override;
};
