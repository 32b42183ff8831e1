#pragma once

#include "OvCoordSystem/vectors/I_WriterVectorAdapter_p.h"

// DXF: every layer goes into the one output file, each feature on the DXF layer named after the
// layer it came from (the attribute "Layer").
class I_DXFWriter : public I_WriterVectorAdapter
{
    Q_OBJECT
public:
    I_DXFWriter() = default;

    void writeLayers(
        const QVector<VectorLayerData>& layers, const VectorWriteOptions& options) override;

    // "写DXF数据为空。" after a call without layers; empty otherwise.
    QString errorText() const { return m_errorText; }

private:
    QString m_errorText;
};

// LAYERS merged into one mixed layer for a DXF file: the union of their fields plus the string
// field "Layer", which each feature fills with its layer's name (made a valid DXF layer name).
// A point with labelMode 1 loses its label text; one with labelMode 2 is written twice, the
// second time without the text.
VectorLayerData mergeDxfLayers(const QVector<VectorLayerData>& layers);
