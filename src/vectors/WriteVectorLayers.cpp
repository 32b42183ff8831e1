#include "vectors/I_WriteVector.h"

#include <QDebug>

// The writing itself (format dispatch, writer streams, per-layer files) is not built yet: until
// then a write reports that nothing was written and leaves the file system alone.

void I_WriteVector::writeLayers(const QVector<VectorLayerData>&, const VectorWriteOptions& options)
{
    qDebug().noquote() << QStringLiteral("VuzUdur:no writer for ") + options.path;
}

void I_WriteVector::writeLayer(const VectorLayerData&, const VectorWriteOptions&) { }
