#include "OvCoordSystem/vectors/I_VectorTransformForFile.h"

#include "OvCoordSystem/vectors/ToolReports_p.h"

I_VectorTransformForFile::I_VectorTransformForFile(QObject* parent)
    : QObject(parent)
{ }

void I_VectorTransformForFile::setObserver(I_VectorToolObserver* observer)
{
    m_observer = observer;
}

void I_VectorTransformForFile::receiveComplete(int progress)
{
    vectors::reportProgress(m_observer, progress);
}

void I_VectorTransformForFile::receiveErrMsg(const QString& message)
{
    vectors::logToolMessage("I_VectorTransformForFile", message);
}
