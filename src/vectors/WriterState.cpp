#include "OvCoordSystem/vectors/WriterState_p.h"

namespace vectors {

WriterState& writerState()
{
    static WriterState state;
    return state;
}

} // namespace vectors
