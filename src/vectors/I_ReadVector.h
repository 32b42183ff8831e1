#pragma once

#include "OvCoordSystem/vectors/I_VectorToolsReal.h"

#include <QObject>

namespace vectors {
class VCTFeature;
}

// Reads vector files into layers (tool kind 0). Reading belongs to a reader subsystem that is not
// part of this library yet: the tool exists and answers the defaults of I_VectorToolsReal.
// Worker progress goes to the observer; worker errors to the debug log.
class OVCOORD_EXPORT I_ReadVector : public QObject, public I_VectorToolsReal
{
    Q_OBJECT
public:
    explicit I_ReadVector(QObject* parent = nullptr);

    void setObserver(I_VectorToolObserver* observer) override;

public slots:
    // A feature read by the worker; there is no reading worker yet, so nothing arrives here.
    void receiveFeature(int index, vectors::VCTFeature* feature);
    void receiveComplete(int progress);
    void receiveErrMsg(const QString& message);

private:
    I_VectorToolObserver* m_observer = nullptr;
};
