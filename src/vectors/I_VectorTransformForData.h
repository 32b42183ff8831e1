#pragma once

#include "OvCoordSystem/vectors/I_VectorToolsReal.h"

#include <QObject>

// Reprojects in-memory vector layers (tool kind 3). Reprojection of layers belongs to a
// processing subsystem that is not part of this library yet: the tool exists and answers the
// defaults of I_VectorToolsReal.
// Worker progress goes to the observer; worker errors to the debug log.
class OVCOORD_EXPORT I_VectorTransformForData : public QObject, public I_VectorToolsReal
{
    Q_OBJECT
public:
    explicit I_VectorTransformForData(QObject* parent = nullptr);

    void setObserver(I_VectorToolObserver* observer) override;

public slots:
    void receiveComplete(int progress);
    void receiveErrMsg(const QString& message);

private:
    I_VectorToolObserver* m_observer = nullptr;
};
