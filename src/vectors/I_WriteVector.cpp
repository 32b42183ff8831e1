#include "OvCoordSystem/vectors/I_WriteVector.h"

#include "OvCoordSystem/vectors/WriterState_p.h"

I_WriteVector::I_WriteVector(QObject* parent)
    : QObject(parent)
{
    vectors::WriterState& state = vectors::writerState();
    state.progressStep = 0.0;
    state.featuresWritten = 0;
}

I_WriteVector::~I_WriteVector() = default;

void I_WriteVector::setObserver(I_VectorToolObserver* observer)
{
    m_observer = observer;
}
