#include "OvCoordSystem/vectors/VecKmlWriteThread.h"

#include "OvCoordSystem/kml/IcdKml.h"
#include "OvCoordSystem/kml/KmlPrinter_p.h"
#include "OvCoordSystem/kml/XmlStream.h"
#include "OvCoordSystem/vectors/I_VectorToolObserver.h"
#include "OvCoordSystem/vectors/KmlFeatureLayout_p.h"
#include "OvCoordSystem/vectors/KmlZipVisitor_p.h"

#include "OvCoordSystem/archive/ZipCoder.h"
#include "OvCoordSystem/host/RevealInFileBrowser.h"

#include <QDebug>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTextCodec>

#include <functional>
#include <memory>

namespace {

// The namespace names as the KML 2.2, Google extension and Atom standards publish them.
constexpr char kKmlNamespace[] = "http://www.opengis.net/kml/2.2";
constexpr char kGoogleExtensionNamespace[] = "http://www.google.com/kml/ext/2.2";
constexpr char kAtomNamespace[] = "http://www.w3.org/2005/Atom";

// A layer with this id stands for the whole file and is named after it.
const QString kFileLayerId = QStringLiteral("0");

void logFailure(const QString& what, const std::string& reason)
{
    qDebug().noquote() << QStringLiteral("VuzUdur:") + what + QStringLiteral(": ")
            + QString::fromStdString(reason);
}

// TRAIL holds the layers above LAYER: a sub-layer that is its own ancestor is left out, here as
// in Builder::addFolder, so that the count matches the placemarks written.
int countFeatures(const VectorLayerData& layer, QVector<const VectorLayerData*>& trail)
{
    int count = layer.features.size();
    trail.append(&layer);
    for (const VectorLayerData* child : layer.children) {
        if (child && !trail.contains(child)) count += countFeatures(*child, trail);
    }
    trail.removeLast();
    return count;
}

using Body = std::function<void(CKmlPrinter&)>;

bool saveKml(const Body& body, const std::string& path, int encoding)
{
    std::string error;
    if (printKmlFile(path, encoding, body, error)) return true;
    logFailure(QString::fromStdString(path), error);
    return false;
}

// The document goes to a KML file beside the archive (the archive's path ending in "l" instead of
// "z"), is packed as the archive's one entry and removed. A file already there is the user's: it
// stays, and the document takes the same name in a private folder instead.
bool saveKmz(const Body& body, const QString& path, int encoding)
{
    const std::string zipPath = path.toUtf8().toStdString();
    std::string kmlPath = zipPath;
    kmlPath.back() = 'l';
    const QFileInfo twin(QString::fromStdString(kmlPath));
    std::unique_ptr<QTemporaryDir> privateFolder;
    if (twin.exists() || twin.isSymLink()) {
        privateFolder.reset(new QTemporaryDir(QDir::tempPath() + QStringLiteral("/ovkmz-XXXXXX")));
        if (!privateFolder->isValid()) {
            logFailure(path, "no folder for the temporary KML file");
            return false;
        }
        kmlPath
            = (privateFolder->path() + QLatin1Char('/') + twin.fileName()).toUtf8().toStdString();
    }

    bool packed = false;
    if (saveKml(body, kmlPath, encoding)) {
        CZipCoder coder;
        CKmlZipVisitor visitor(kmlPath);
        packed = coder.ZipFile(zipPath, &visitor, std::string(), ZIP_APPEND_STATUS_CREATE);
        if (!packed) logFailure(path, coder.GetLastError());
    }
    QFile::remove(QString::fromStdString(kmlPath));
    return packed;
}

} // namespace

// Turns the held layers into the document, a placemark at a time, and counts the converted
// features.
class VecKmlWriteThread::Builder
{
public:
    explicit Builder(VecKmlWriteThread& writer)
        : m_writer(writer)
        // One encoder serves the whole write: converting through the codec directly costs
        // several times more per text.
        , m_encoder(writer.m_encoding == CXmlStream::EncodingUtf8
                  ? nullptr
                  : QTextCodec::codecForName("GB18030")->makeEncoder(QTextCodec::IgnoreHeader))
    { }

    std::string documentText(const QString& text) const
    {
        return m_encoder ? m_encoder->fromUnicode(text).toStdString() : text.toStdString();
    }

    // Prints LAYER as a folder: its placemarks, each as soon as it is built, then its sub-layers.
    void printFolder(
        CKmlPrinter& printer, const VectorLayerData& layer, QVector<const VectorLayerData*>& trail)
    {
        CICD_FOLDER folder;
        folder.name = documentText(
            layer.id == kFileLayerId ? QFileInfo(m_writer.m_path).baseName() : layer.name);
        folder.visibility = 1;
        printer.begin(folder);
        for (const VectorFeatureData& feature : layer.features) {
            CICD_PLACEMARK placemark;
            addPlacemark(placemark, feature);
            printer.write(placemark);
            featureDone();
        }
        trail.append(&layer);
        for (const VectorLayerData* child : layer.children) {
            if (child && !trail.contains(child)) printFolder(printer, *child, trail);
        }
        trail.removeLast();
        printer.close();
    }

    // The whole document: kml, the root folder, and the layers below it.
    void printDocument(CKmlPrinter& printer)
    {
        CICD_KML kml;
        kml.xmlns = kKmlNamespace;
        kml.xmlnsGx = kGoogleExtensionNamespace;
        kml.xmlnsKml = kKmlNamespace;
        kml.xmlnsAtom = kAtomNamespace;
        printer.begin(kml);
        QVector<const VectorLayerData*> trail;
        const QVector<VectorLayerData>& layers = m_writer.m_layers;
        if (layers.size() == 1) {
            printFolder(printer, layers.constFirst(), trail);
        } else {
            // Several layers go into one mixed layer named after the file.
            CICD_FOLDER root;
            root.name = documentText(QFileInfo(m_writer.m_path).baseName());
            root.visibility = 1;
            printer.begin(root);
            for (const VectorLayerData& layer : layers)
                printFolder(printer, layer, trail);
            printer.close();
        }
        printer.close();
    }

private:
    void addPlacemark(CICD_PLACEMARK& placemark, const VectorFeatureData& feature) const
    {
        placemark.visibility = 1;
        const auto name = feature.attributes.constFind(QStringLiteral("NAME"));
        if (name != feature.attributes.cend()) placemark.name = documentText(name->toString());
        const auto remark = feature.attributes.constFind(QStringLiteral("REMARK"));
        if (remark != feature.attributes.cend())
            placemark.description = documentText(remark->toString());
        kmllayout::setStyle(placemark.style, feature.style, feature.geometryType);
        kmllayout::setGeometry(placemark, feature);
    }

    void featureDone()
    {
        VecKmlWriteThread& w = m_writer;
        ++w.m_written;
        if (!w.m_observer) return;
        if (w.m_written == w.m_total)
            w.m_observer->notifyProgress(100);
        else if (w.m_written % w.m_progressStep == 1)
            w.m_observer->notifyProgress(static_cast<int>(qint64(w.m_written) * 100 / w.m_total));
    }

    VecKmlWriteThread& m_writer;
    // Text to GB18030 bytes for the legacy encoding; null for UTF-8.
    std::unique_ptr<QTextEncoder> m_encoder;
};

VecKmlWriteThread::VecKmlWriteThread(QObject* parent)
    : QThread(parent)
{ }

VecKmlWriteThread::~VecKmlWriteThread()
{
    wait();
}

void VecKmlWriteThread::setEncoding(int encoding)
{
    m_encoding = encoding == CXmlStream::EncodingUtf8 ? CXmlStream::EncodingUtf8
                                                      : CXmlStream::EncodingLegacy;
}

int VecKmlWriteThread::encoding() const
{
    return m_encoding;
}

void VecKmlWriteThread::run() { }

bool VecKmlWriteThread::write(const QVector<VectorLayerData>& layers, const QString& path,
    I_VectorToolObserver* observer, bool openFolderAfterWrite)
{
    if (&layers != &m_layers) m_layers = layers;
    m_path = path;
    m_observer = observer;
    m_openFolderAfterWrite = openFolderAfterWrite;

    QVector<const VectorLayerData*> trail;
    m_written = 0;
    m_total = 0;
    for (const VectorLayerData& layer : qAsConst(m_layers))
        m_total += countFeatures(layer, trail);
    m_progressStep = m_total / 100;
    if (m_progressStep == 0) m_progressStep = m_total;
    if (m_observer) m_observer->notifyProgress(0);
    if (m_layers.isEmpty()) {
        logFailure(m_path, "no layers to write");
        return false;
    }

    Builder builder(*this);
    const Body body = [&builder](CKmlPrinter& printer) { builder.printDocument(printer); };
    const bool written
        = QFileInfo(m_path).suffix().compare(QLatin1String("KMZ"), Qt::CaseInsensitive) == 0
        ? saveKmz(body, m_path, m_encoding)
        : saveKml(body, m_path.toUtf8().toStdString(), m_encoding);
    if (written && m_openFolderAfterWrite) RevealInFileBrowser(m_path);
    return written;
}
