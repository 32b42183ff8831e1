#include "OvCoordSystem/vectors/I_VectorTransformForData.h"

#include "OvCoordSystem/vectors/ToolReports_p.h"

I_VectorTransformForData::I_VectorTransformForData(QObject* parent)
    : QObject(parent)
{ }

void I_VectorTransformForData::setObserver(I_VectorToolObserver* observer)
{
    m_observer = observer;
}

void I_VectorTransformForData::receiveComplete(int progress)
{
    vectors::reportProgress(m_observer, progress);
}

void I_VectorTransformForData::receiveErrMsg(const QString& message)
{
    vectors::logToolMessage("I_VectorTransformForData", message);
}
