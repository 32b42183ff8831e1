#pragma once

#include "OvCoordSystem/vectors/I_VectorToolsReal.h"

#include <QObject>

// Reprojects a raster file (tool kind 9). Raster reprojection belongs to a raster subsystem that
// is not part of this library yet: the tool exists and answers the defaults of
// I_VectorToolsReal.
// Worker progress goes to the observer; worker errors to the debug log.
class OVCOORD_EXPORT I_RasterTransformForFile : public QObject, public I_VectorToolsReal
{
    Q_OBJECT
public:
    explicit I_RasterTransformForFile(QObject* parent = nullptr);

    void setObserver(I_VectorToolObserver* observer) override;

public slots:
    void receiveComplete(int progress);
    void receiveErrMsg(const QString& message);
    // A worker's note (not an error); logged.
    void reciveNotifyMessage(const QString& message);

private:
    I_VectorToolObserver* m_observer = nullptr;
};
