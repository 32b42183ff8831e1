#pragma once

#include "OvCoordSystem/OvGlobal.h"
#include "OvCoordSystem/vectors/VectorLayerData.h"

#include <QString>
#include <QThread>
#include <QVector>

class I_VectorToolObserver;

// Writes vector layers as a KML document, or as a KMZ archive holding that document, through the
// KML element model. A QThread by inheritance only: write() runs on the caller's thread and the
// thread itself is never started.
//
// Layout: one Folder directly under "kml" for the root layer (the only layer, or with several
// layers a mixed layer named after the file that holds them), a Folder per sub-layer inside its
// parent's, and a Placemark per feature with an inline Style and its geometry. Names and
// descriptions come from the attributes "NAME" and "REMARK".
class OVCOORD_EXPORT VecKmlWriteThread : public QThread
{
    Q_OBJECT
public:
    explicit VecKmlWriteThread(QObject* parent = nullptr);
    ~VecKmlWriteThread() override;

    // How the document is encoded: CXmlStream::EncodingLegacy (the default; declared "gb2312",
    // text as GB18030 bytes, what Google Earth reads) or CXmlStream::EncodingUtf8 (declared and
    // encoded UTF-8, what expat-based readers such as GDAL's KML and LIBKML drivers accept).
    // Any other value counts as legacy.
    void setEncoding(int encoding);
    int encoding() const;

    // Writes LAYERS (and their sub-layers) to PATH: a KMZ archive with one entry when the suffix
    // is "kmz" (any case), a KML document otherwise. Reports 0 to OBSERVER (may be null) first,
    // then the share of features converted, and 100 after the last one. With OPENFOLDERAFTERWRITE
    // a written file is shown in the system file browser. Answers whether the file was written;
    // with no layers at all nothing is written.
    bool write(const QVector<VectorLayerData>& layers, const QString& path,
        I_VectorToolObserver* observer, bool openFolderAfterWrite);

signals:
    // Declared for listeners of the thread; write() reports through the observer instead.
    void SignalsProcess(int percent);

protected:
    // The write runs on the caller's thread; there is nothing to run here.
    void run() override;

private:
    class Builder;

    QVector<VectorLayerData> m_layers; // a copy of the layers to write
    int m_written = 0; // features converted so far
    int m_total = 0; // features in all layers and their sub-layers
    int m_progressStep = 0; // total / 100, or total when that is 0
    QString m_path;
    I_VectorToolObserver* m_observer = nullptr;
    bool m_openFolderAfterWrite = false;
    int m_encoding = 0;
};
