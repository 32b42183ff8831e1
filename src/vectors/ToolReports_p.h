#pragma once

#include <QString>

class I_VectorToolObserver;

namespace vectors {

// Passes a worker's progress (clamped to 0..100) to a tool's observer, when there is one.
void reportProgress(I_VectorToolObserver* observer, int percent);

// Logs a worker's message (an error or a note) on the toolkit's debug channel.
void logToolMessage(const char* tool, const QString& message);

} // namespace vectors
