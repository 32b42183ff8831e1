#pragma once

#include "OvCoordSystem/OvGlobal.h"

// Receives the progress of a toolkit tool (see I_VectorTools::setObserver).
class OVCOORD_EXPORT I_VectorToolObserver
{
public:
    // PERCENT runs from 0 to 100.
    virtual void notifyProgress(int percent) = 0;
    virtual ~I_VectorToolObserver();
};
