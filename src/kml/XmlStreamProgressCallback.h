#pragma once

#include "OvCoordSystem/OvGlobal.h"

class CXmlStream;

// Told how far a load or save has got. The defaults do nothing.
class OVCOORD_EXPORT CXmlStreamProgressCallback
{
public:
    virtual ~CXmlStreamProgressCallback();
    // A load or save starts; TOTAL is the number of elements to read (0 when writing).
    virtual void onBegin(CXmlStream* stream, int total);
    // DONE elements were read or created so far.
    virtual void onProgress(CXmlStream* stream, int done, int total);
    // The object was read or written completely.
    virtual void onEnd(CXmlStream* stream);
};
