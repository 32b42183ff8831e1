#include "OvCoordSystem/vectors/I_WriterVectorAdapter_p.h"

#include "OvCoordSystem/vectors/ClipWriter_p.h"
#include "OvCoordSystem/vectors/I_DXFWriter_p.h"
#include "OvCoordSystem/vectors/I_GPXWriter_p.h"
#include "OvCoordSystem/vectors/I_GenWriter_p.h"
#include "OvCoordSystem/vectors/I_LIBKMLWriter_p.h"
#include "OvCoordSystem/vectors/I_TXTWriter_p.h"
#include "OvCoordSystem/vectors/LayerPaths_p.h"
#include "OvCoordSystem/vectors/WriterState_p.h"

#include "OvCoordSystem/host/RevealInFileBrowser.h"

#include <QDebug>

namespace {

template <class Writer> I_WriterVectorAdapter* make()
{
    return new Writer;
}

const struct
{
    const char* suffix;
    I_WriterVectorAdapter* (*make)();
} kWriters[] = {
    { "DXF", make<I_DXFWriter> },
    { "GPX", make<I_GPXWriter> },
    { "SHP", make<I_GenWriter> },
    { "GMT", make<I_GenWriter> },
    { "TAB", make<I_GenWriter> },
    { "GEOJSON", make<I_GenWriter> },
    { "TXT", make<I_TXTWriter> },
    { "DAT", make<I_TXTWriter> },
    { "CSV", make<I_TXTWriter> },
    { "XLS", make<I_TXTWriter> },
    // Reached only when KML is asked of the dispatcher itself: the writer entry hands KML and KMZ
    // to the KML document writer.
    { "KML", make<I_LIBKMLWriter> },
    { "KMZ", make<I_LIBKMLWriter> },
};

} // namespace

I_WriterVectorAdapter::I_WriterVectorAdapter() = default;

I_WriterVectorAdapter::I_WriterVectorAdapter(const QString& path, I_VectorToolObserver* observer)
{
    vectors::writerState().currentPath = path;
    const QString suffix = vectors::upperSuffix(path);
    for (const auto& writer : kWriters) {
        if (suffix != QLatin1String(writer.suffix)) continue;
        m_writer = writer.make();
        m_writer->setObserver(observer);
        return;
    }
}

I_WriterVectorAdapter::~I_WriterVectorAdapter()
{
    delete m_writer;
}

void I_WriterVectorAdapter::writeLayers(
    const QVector<VectorLayerData>& layers, const VectorWriteOptions& options)
{
    vectors::WriterState& state = vectors::writerState();
    state.lastWrittenPath.clear();
    if (!m_writer) {
        qDebug().noquote() << QStringLiteral("VuzUdur:no writer for ") + options.path;
        return;
    }
    int total = 0;
    for (const VectorLayerData& layer : layers)
        total += layer.features.size();
    state.progressStep = total > 0 ? 1.0 / total : 0.0;

    QVector<VectorLayerData> named = layers;
    makeLayerNamesDistinct(named);
    m_writer->writeLayers(named, VectorWriteOptions(options));

    if (state.lastWrittenPath.isEmpty()) return;
    qDebug().noquote() << QStringLiteral("VuzUdur:") + state.lastWrittenPath;
    if (options.openFolderAfterWrite) RevealInFileBrowser(state.lastWrittenPath);
}

void I_WriterVectorAdapter::writeLayerMaybeClipped(
    const VectorLayerData& layer, const VectorWriteOptions& options)
{
    if (options.clip && !options.clipPolygons.isEmpty())
        vectors::writeClippedLayer(*this, layer, options);
    else
        writeLayer(layer, options);
}

void makeLayerNamesDistinct(QVector<VectorLayerData>& layers)
{
    // One pass can make a new equal pair (A(1), A, A gives A(1), A, A(1)); passes repeat until
    // the names are distinct, which leaves the names a single pass makes distinct unchanged.
    for (bool renamed = true; renamed;) {
        renamed = false;
        for (int i = 0; i < layers.size(); ++i) {
            for (int j = i + 1; j < layers.size(); ++j) {
                if (layers[j].name != layers[i].name) continue;
                layers[j].name += QStringLiteral("(1)");
                renamed = true;
            }
        }
    }
}
