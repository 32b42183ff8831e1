#include "OvCoordSystem/vectors/I_ReadVector.h"

#include "OvCoordSystem/vectors/ToolReports_p.h"

I_ReadVector::I_ReadVector(QObject* parent)
    : QObject(parent)
{ }

void I_ReadVector::setObserver(I_VectorToolObserver* observer)
{
    m_observer = observer;
}

void I_ReadVector::receiveFeature(int, vectors::VCTFeature*) { }

void I_ReadVector::receiveComplete(int progress)
{
    vectors::reportProgress(m_observer, progress);
}

void I_ReadVector::receiveErrMsg(const QString& message)
{
    vectors::logToolMessage("I_ReadVector", message);
}
