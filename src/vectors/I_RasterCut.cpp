#include "OvCoordSystem/vectors/I_RasterCut.h"

#include "OvCoordSystem/vectors/ToolReports_p.h"

I_RasterCut::I_RasterCut(QObject* parent)
    : QObject(parent)
{ }

void I_RasterCut::setObserver(I_VectorToolObserver* observer)
{
    m_observer = observer;
}

void I_RasterCut::receiveComplete(int progress)
{
    vectors::reportProgress(m_observer, progress);
}

void I_RasterCut::receiveErrMsg(const QString& message)
{
    vectors::logToolMessage("I_RasterCut", message);
}
