#include "OvCoordSystem/vectors/I_RasterTransformForFile.h"

#include "OvCoordSystem/vectors/ToolReports_p.h"

I_RasterTransformForFile::I_RasterTransformForFile(QObject* parent)
    : QObject(parent)
{ }

void I_RasterTransformForFile::setObserver(I_VectorToolObserver* observer)
{
    m_observer = observer;
}

void I_RasterTransformForFile::receiveComplete(int progress)
{
    vectors::reportProgress(m_observer, progress);
}

void I_RasterTransformForFile::receiveErrMsg(const QString& message)
{
    vectors::logToolMessage("I_RasterTransformForFile", message);
}

void I_RasterTransformForFile::reciveNotifyMessage(const QString& message)
{
    vectors::logToolMessage("I_RasterTransformForFile", message);
}
