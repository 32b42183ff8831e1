#pragma once

#include <QByteArray>
#include <QString>

namespace cfb {

// The bytes of an OLE2 compound file (version 3, 512-byte sectors) that holds one stream below
// the root storage. Streams shorter than the 4096-byte mini-stream cutoff are padded with zero
// bytes to that length, so everything lives in regular sectors and no mini FAT is needed.
QByteArray singleStreamFile(const QString& streamName, const QByteArray& stream);

} // namespace cfb
