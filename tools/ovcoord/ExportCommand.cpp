#include "Command.h"
#include "CoordSysOption.h"
#include "VectorFileReader.h"

#include "OvCoordSystem/vectors/I_VectorToolObserver.h"
#include "OvCoordSystem/vectors/I_VectorTools.h"
#include "OvCoordSystem/vectors/VectorToolFactory.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>

#include <unistd.h>

// ovcoord export [--from SYS] [--to SYS] [--name NAME] [--meridian DEG] [--force] INPUT OUTPUT
namespace {

const char kName[] = "export";

// The suffixes the vector writer has a format for (KML and KMZ through the KML writer).
const QStringList kSuffixes = { QStringLiteral("shp"), QStringLiteral("dxf"), QStringLiteral("tab"),
    QStringLiteral("gmt"), QStringLiteral("geojson"), QStringLiteral("gpx"), QStringLiteral("txt"),
    QStringLiteral("dat"), QStringLiteral("csv"), QStringLiteral("xls"), QStringLiteral("kml"),
    QStringLiteral("kmz") };

// Inputs with at least this many features get a progress bar.
constexpr int kProgressBarFeatures = 10000;
constexpr int kProgressBarWidth = 40;

// Without a terminal, a plain line at every quarter.
constexpr int kPlainProgressStep = 25;

// Draws the writer's progress as a bar on standard error when that is a terminal; a log or a pipe
// gets a few plain lines instead of the bar's many frames.
class ProgressBar : public I_VectorToolObserver
{
public:
    void notifyProgress(int percent) override
    {
        if (percent == m_shown) return;
        if (!m_terminal) {
            if (percent / kPlainProgressStep == m_shown / kPlainProgressStep || percent == 0)
                return;
            m_shown = percent - percent % kPlainProgressStep;
            err() << "writing " << m_shown << "%\n";
            err().flush();
            return;
        }
        m_shown = percent;
        const int filled = percent * kProgressBarWidth / 100;
        err() << "\rwriting [" << QString(filled, QLatin1Char('#'))
              << QString(kProgressBarWidth - filled, QLatin1Char(' ')) << "] " << percent << "%";
        err().flush();
    }
    void finish()
    {
        if (m_shown < 0 || !m_terminal) return;
        err() << "\n";
        err().flush();
    }

private:
    const bool m_terminal = isatty(STDERR_FILENO) != 0;
    int m_shown = -1;
};

// The library's diagnostics are meant for the host's log; on the command line only warnings
// and errors are shown.
void dropDebugMessages(QtMsgType type, const QMessageLogContext&, const QString& message)
{
    if (type == QtDebugMsg || type == QtInfoMsg) return;
    err() << message << "\n";
    err().flush();
}

// Files and folders the write would replace: OUTPUT, the split Shapefiles beside it, and the
// folder of per-layer files when several layers go to one file each.
QStringList existingTargets(const QFileInfo& output, int layerCount)
{
    const QString suffix = output.suffix().toLower();
    const QString stem = output.absolutePath() + QLatin1Char('/') + output.completeBaseName();
    QStringList candidates { output.absoluteFilePath() };
    if (suffix == QLatin1String("shp")) {
        for (const char* kind : { "_point", "_polyline", "_polygon" })
            candidates << stem + QLatin1String(kind) + QStringLiteral(".shp");
    }
    const bool oneFilePerLayer = QStringList { QStringLiteral("shp"), QStringLiteral("gmt"),
        QStringLiteral("tab"), QStringLiteral("geojson"), QStringLiteral("gpx") }
                                     .contains(suffix);
    if (layerCount > 1 && oneFilePerLayer) candidates << stem;
    QStringList existing;
    for (const QString& candidate : candidates) {
        if (QFileInfo::exists(candidate)) existing << QDir::toNativeSeparators(candidate);
    }
    return existing;
}

// Files below FOLDER (two levels deep at most, where the writer puts per-layer folders) whose
// name starts with BASE and that changed since SINCE.
QStringList filesWrittenSince(const QString& folder, const QString& base, const QDateTime& since)
{
    QStringList written;
    QStringList folders { folder };
    for (int depth = 0; depth <= 2 && !folders.isEmpty(); ++depth) {
        QStringList next;
        for (const QString& current : folders) {
            const QDir dir(current);
            for (const QFileInfo& file : dir.entryInfoList(QDir::Files)) {
                if (file.fileName().startsWith(base) && file.lastModified() >= since)
                    written << QDir::toNativeSeparators(file.absoluteFilePath());
            }
            for (const QFileInfo& sub : dir.entryInfoList(QDir::Dirs | QDir::NoDotAndDotDot))
                next << sub.absoluteFilePath();
        }
        folders = next;
    }
    written.sort();
    return written;
}

int runExport(const QStringList& args)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Writes the layers of a vector file or folder (GeoJSON, Shapefile, ... anything GDAL "
        "reads) to "
        "OUTPUT, in the format of OUTPUT's suffix: shp, dxf, tab, gmt, geojson, gpx, txt, dat, "
        "csv, xls, kml, kmz. KML and KMZ keep the coordinates of INPUT (no --to). SYS is wgs84, "
        "webmercator, gcj02, gcj02-mercator, bd09, bd09-mercator, utm, "
        "beijing54-gk, xian80-gk, cgcs2000-gk or epsg:CODE; Gauss-Krueger and UTM need "
        "--meridian. An existing OUTPUT is kept unless --force is given."));
    const QCommandLineOption fromOption(QStringLiteral("from"),
        QStringLiteral("Coordinate system of INPUT (default wgs84)."), QStringLiteral("SYS"),
        QStringLiteral("wgs84"));
    const QCommandLineOption toOption(QStringLiteral("to"),
        QStringLiteral("Coordinate system to write (default: that of INPUT)."),
        QStringLiteral("SYS"));
    const QCommandLineOption nameOption(QStringLiteral("name"),
        QStringLiteral("Layer name for the output (several layers become NAME, NAME(1), ...)."),
        QStringLiteral("NAME"));
    const QCommandLineOption meridianOption(QStringLiteral("meridian"),
        QStringLiteral("Central meridian in degrees, for Gauss-Krueger and UTM."),
        QStringLiteral("DEG"));
    const QCommandLineOption forceOption(
        QStringLiteral("force"), QStringLiteral("Replace existing output files."));
    const QCommandLineOption kmlEncodingOption(QStringLiteral("kml-encoding"),
        QStringLiteral("Text of KML and KMZ output: gb2312 (default; GB18030 bytes, read by Google "
                       "Earth) or utf-8 (read by GDAL and QGIS too)."),
        QStringLiteral("ENC"), QStringLiteral("gb2312"));
    parser.addOptions(
        { fromOption, toOption, nameOption, meridianOption, forceOption, kmlEncodingOption });
    parser.addPositionalArgument(QStringLiteral("INPUT"), QStringLiteral("Vector file to read."));
    parser.addPositionalArgument(QStringLiteral("OUTPUT"), QStringLiteral("File to write."));
    int status = ExitOk;
    if (!parseCommandLine(parser, kName, args, &status)) return status;

    const QStringList positional = parser.positionalArguments();
    if (positional.size() != 2)
        return usageError(kName, QStringLiteral("expected INPUT and OUTPUT"));
    CoordSysChoice source, target;
    if (!coordSysFromName(parser.value(fromOption), &source))
        return usageError(kName,
            QStringLiteral("unknown coordinate system '%1' for --from")
                .arg(parser.value(fromOption)));
    target = source;
    if (parser.isSet(toOption) && !coordSysFromName(parser.value(toOption), &target))
        return usageError(kName,
            QStringLiteral("unknown coordinate system '%1' for --to").arg(parser.value(toOption)));
    double meridian = 0.0;
    if (parser.isSet(meridianOption)) {
        bool isNumber = false;
        meridian = parser.value(meridianOption).toDouble(&isNumber);
        if (!isNumber || meridian < -180.0 || meridian > 180.0)
            return usageError(kName, QStringLiteral("--meridian needs degrees from -180 to 180"));
    } else if (needsCentralMeridian(source) || needsCentralMeridian(target)) {
        return usageError(kName, QStringLiteral("Gauss-Krueger and UTM need --meridian DEG"));
    }

    const QString kmlEncoding = parser.value(kmlEncodingOption).toLower();
    if (kmlEncoding != QLatin1String("gb2312") && kmlEncoding != QLatin1String("utf-8"))
        return usageError(kName, QStringLiteral("--kml-encoding is gb2312 or utf-8"));

    const QFileInfo input(positional[0]);
    const QFileInfo output(positional[1]);
    const bool kml = output.suffix().compare(QLatin1String("kml"), Qt::CaseInsensitive) == 0
        || output.suffix().compare(QLatin1String("kmz"), Qt::CaseInsensitive) == 0;
    if (kml && source != target)
        return usageError(kName,
            QStringLiteral("KML and KMZ keep the input's coordinates; "
                           "--to cannot change them"));
    if (!kSuffixes.contains(output.suffix().toLower()))
        return failure(kName,
            QStringLiteral("no vector format for the suffix '%1' of %2 (one of: %3)")
                .arg(output.suffix(), positional[1], kSuffixes.join(QLatin1String(", "))));
    const QFileInfo folder(output.absolutePath());
    const QString folderName = QDir::toNativeSeparators(folder.absoluteFilePath());
    if (!folder.isDir())
        return failure(kName, QStringLiteral("the folder %1 does not exist").arg(folderName));
    if (!folder.isWritable())
        return failure(kName, QStringLiteral("cannot write into the folder %1").arg(folderName));
    if (!input.exists())
        return failure(kName, QStringLiteral("cannot read %1: no such file").arg(positional[0]));

    // The writer prepares GDAL (drivers, options) when it is made; the input is read after that.
    I_VectorTools* writer = createVectorTool(VectorToolWriteVector);
    VectorFileContents contents = readVectorFile(input.absoluteFilePath());
    if (!contents.error.isEmpty()) {
        releaseVectorTool(writer);
        return failure(
            kName, QStringLiteral("cannot read %1: %2").arg(positional[0], contents.error));
    }
    if (contents.skippedCount > 0)
        err() << "ovcoord export: " << contents.skippedCount
              << " features without a point, line or polygon geometry left out\n";
    if (contents.featureCount == 0) {
        releaseVectorTool(writer);
        return failure(kName, QStringLiteral("%1 holds no features to write").arg(positional[0]));
    }
    if (parser.isSet(nameOption)) {
        for (VectorLayerData& layer : contents.layers)
            layer.name = parser.value(nameOption);
    }
    int layersWithFeatures = 0;
    for (const VectorLayerData& layer : contents.layers)
        layersWithFeatures += layer.features.isEmpty() ? 0 : 1;
    const QStringList existing = existingTargets(output, layersWithFeatures);
    if (!existing.isEmpty() && !parser.isSet(forceOption)) {
        releaseVectorTool(writer);
        return failure(kName,
            QStringLiteral("%1 exists; give --force to replace it")
                .arg(existing.join(QLatin1String(", "))));
    }

    VectorWriteOptions options;
    options.path = output.absoluteFilePath();
    options.openFolderAfterWrite = false;
    options.coordParameters.sourceCoordSys = source.coordSys;
    options.coordParameters.sourceEpsg = source.epsg;
    options.coordParameters.targetCoordSys = target.coordSys;
    options.coordParameters.targetEpsg = target.epsg;
    options.coordParameters.centralMeridian = meridian;
    options.coordParameters.reproject = source != target;
    options.kmlEncoding = kmlEncoding == QLatin1String("utf-8") ? 1 : 0;

    ProgressBar bar;
    if (contents.featureCount >= kProgressBarFeatures) writer->setObserver(&bar);
    // File times can lag the clock by a tick of the kernel's coarse clock.
    const QDateTime started = QDateTime::currentDateTime().addMSecs(-50);
    const QtMessageHandler previous = qInstallMessageHandler(dropDebugMessages);
    writer->writeLayers(contents.layers, options);
    qInstallMessageHandler(previous);
    releaseVectorTool(writer);
    bar.finish();

    const QStringList written
        = filesWrittenSince(output.absolutePath(), output.completeBaseName(), started);
    if (written.isEmpty())
        return failure(kName, QStringLiteral("nothing was written to %1").arg(positional[1]));
    for (const QString& file : written)
        out() << file << "\n";
    out().flush();
    return ExitOk;
}

const CommandRegistrar registrar(
    { kName, "write a vector file in another format and coordinate system", runExport });

} // namespace
