#pragma once

#include "OvCoordSystem/vectors/I_WriteVector.h"

// Chooses the writer of a format by the output path's suffix and runs it: distinct layer names,
// progress over all layers, and, once a file is written, the file shown in the file browser when
// the options ask for it. The per-format writers derive from it.
class I_WriterVectorAdapter : public I_WriteVector
{
    Q_OBJECT
public:
    // Makes the writer of PATH's format (none for an unknown suffix) and records PATH as the
    // current output path; the writer reports progress to OBSERVER (may be null).
    I_WriterVectorAdapter(const QString& path, I_VectorToolObserver* observer);
    ~I_WriterVectorAdapter() override;

    void writeLayers(
        const QVector<VectorLayerData>& layers, const VectorWriteOptions& options) override;

protected:
    // For the per-format writers, which have no writer of their own.
    I_WriterVectorAdapter();

    // writeLayer, or the clipping writer when OPTIONS asks for clipping and has a clip polygon.
    void writeLayerMaybeClipped(const VectorLayerData& layer, const VectorWriteOptions& options);

private:
    I_WriterVectorAdapter* m_writer = nullptr; // the per-format writer, owned
};

// Gives later layers of the same name the suffix "(1)": for each layer, every later layer of
// that name is renamed (three layers A become A, A(1), A(1)(1)), until no two names are equal.
void makeLayerNamesDistinct(QVector<VectorLayerData>& layers);
