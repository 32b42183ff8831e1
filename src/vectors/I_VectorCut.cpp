#include "OvCoordSystem/vectors/I_VectorCut.h"

#include "OvCoordSystem/vectors/ToolReports_p.h"

I_VectorCut::I_VectorCut(QObject* parent)
    : QObject(parent)
{ }

void I_VectorCut::setObserver(I_VectorToolObserver* observer)
{
    m_observer = observer;
}

void I_VectorCut::receiveComplete(int progress)
{
    vectors::reportProgress(m_observer, progress);
}

void I_VectorCut::receiveErrMsg(const QString& message)
{
    vectors::logToolMessage("I_VectorCut", message);
}
