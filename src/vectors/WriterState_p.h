#pragma once

#include <QString>

namespace vectors {

// The vector writer's process-wide state. Writing runs on the caller's thread and only one write
// runs at a time, so nothing here is locked.
struct WriterState
{
    // 1.0 divided by the number of features of the current write.
    double progressStep = 0.0;
    // Features written since the last I_WriteVector was constructed.
    int featuresWritten = 0;
    // The first file the current write produced; empty until one is written.
    QString lastWrittenPath;
    // The output path of the current write.
    QString currentPath;
};

WriterState& writerState();

} // namespace vectors
