#include "OvCoordSystem/vectors/I_LIBKMLWriter_p.h"

#include "OvCoordSystem/vectors/IWriterStream.h"
#include "OvCoordSystem/vectors/LayerPaths_p.h"
#include "OvCoordSystem/vectors/WriterStreamFactory.h"

#include <QDebug>
#include <QFile>

void I_LIBKMLWriter::writeLayers(
    const QVector<VectorLayerData>& layers, const VectorWriteOptions& options)
{
    // writeLayer adds each layer as a folder of the shared stream's dataset, which stays open
    // until every layer is in.
    vectors::IWriterStream* stream = vectors::sharedWriterStream(options.path);
    QFile::remove(options.path);
    if (!stream->createDataset(options.path)) {
        qDebug().noquote() << QStringLiteral("VuzUdur:") + stream->errorText() + options.path;
        vectors::releaseWriterStream(stream);
        return;
    }
    for (const VectorLayerData& source : layers) {
        VectorLayerData layer = source;
        vectors::renameField(layer, QStringLiteral("REMARK"), QStringLiteral("description"));
        writeLayer(layer, options);
    }
    stream->close();
    vectors::releaseWriterStream(stream);
}
