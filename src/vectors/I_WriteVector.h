#pragma once

#include "OvCoordSystem/vectors/I_VectorToolsReal.h"
#include "OvCoordSystem/vectors/VectorWriteOptions.h"

#include <QObject>

namespace vectors {
class IWriterStream;
}

// Writes vector layers to a file whose suffix selects the format (tool kind 1). The per-format
// writers derive from it and inherit writeLayer. Constructing a writer resets the writer's
// process-wide progress values, so only one write may run at a time.
class OVCOORD_EXPORT I_WriteVector : public QObject, public I_VectorToolsReal
{
    Q_OBJECT
public:
    explicit I_WriteVector(QObject* parent = nullptr);
    ~I_WriteVector() override;

    void writeLayers(
        const QVector<VectorLayerData>& layers, const VectorWriteOptions& options) override;
    void writeLayer(const VectorLayerData& layer, const VectorWriteOptions& options) override;
    void setObserver(I_VectorToolObserver* observer) override;

protected:
    I_VectorToolObserver* m_observer = nullptr;
    // The stream the current layer goes to (not owned); null between layers.
    vectors::IWriterStream* m_stream = nullptr;
    // The options of the current write.
    VectorWriteOptions m_parameters;
};
