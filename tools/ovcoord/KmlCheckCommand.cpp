#include "Command.h"

#include "OvCoordSystem/kml/IcdKml.h"
#include "OvCoordSystem/kml/XmlFileStream.h"

#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

namespace {

// Counts of what a KML document holds, over all nesting levels.
struct KmlSummary
{
    int documents = 0;
    int folders = 0;
    int placemarks = 0;
    int points = 0;
    int lines = 0;
    int polygons = 0;
    int tracks = 0;

    void add(const CICD_PLACEMARK& placemark)
    {
        ++placemarks;
        points += !placemark.point.isEmpty() + int(placemark.multiGeometry.points.size());
        lines += !placemark.lineString.isEmpty() + int(placemark.multiGeometry.lineStrings.size());
        polygons += !placemark.polygon.isEmpty() + int(placemark.multiGeometry.polygons.size());
        tracks += !placemark.track.isEmpty();
    }

    template <class Container> void addContent(const Container& container)
    {
        for (const CICD_PLACEMARK& placemark : container.placemarks)
            add(placemark);
        for (const CICD_FOLDER& folder : container.folders)
            add(folder);
        for (const CICD_DOCUMENT& document : container.documents)
            add(document);
    }

    void add(const CICD_FOLDER& folder)
    {
        ++folders;
        addContent(folder);
    }

    void add(const CICD_DOCUMENT& document)
    {
        ++documents;
        addContent(document);
    }
};

enum class FileEncoding
{
    Legacy,
    Utf8,
    Utf8WithMark
};

// The encoding a KML file declares: a byte-order mark or a UTF-8 declaration (the XML default)
// means UTF-8; "gb2312", "gbk", "gb18030" or "cp936" the legacy Chinese bytes.
FileEncoding detectEncoding(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return FileEncoding::Utf8;
    const QByteArray head = file.read(512);
    if (head.startsWith("\xEF\xBB\xBF")) return FileEncoding::Utf8WithMark;
    static const QRegularExpression declared(
        QStringLiteral("^\\s*<\\?xml[^>]*encoding\\s*=\\s*[\"']([^\"']*)[\"']"));
    const QRegularExpressionMatch match = declared.match(QString::fromLatin1(head));
    const QString name = match.captured(1).toLower();
    if (name == QLatin1String("gb2312") || name == QLatin1String("gbk")
        || name == QLatin1String("gb18030") || name == QLatin1String("cp936"))
        return FileEncoding::Legacy;
    return FileEncoding::Utf8;
}

const char* encodingText(FileEncoding encoding)
{
    switch (encoding) {
    case FileEncoding::Legacy:
        return "gb2312 (GB18030 bytes)";
    case FileEncoding::Utf8WithMark:
        return "UTF-8 with byte-order mark";
    case FileEncoding::Utf8:
        break;
    }
    return "UTF-8";
}

int runKmlCheck(const QStringList& args)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Loads a KML file into the KML document model and prints what it holds."));
    parser.addPositionalArgument(QStringLiteral("FILE"), QStringLiteral("The KML file."));
    int status = ExitOk;
    if (!parseCommandLine(parser, "kml-check", args, &status)) return status;
    if (parser.positionalArguments().size() != 1)
        return usageError("kml-check", QStringLiteral("expected one FILE."));
    const QString path = parser.positionalArguments().constFirst();
    if (!QFileInfo(path).isFile()) {
        err() << "ovcoord kml-check: " << path << ": no such file\n";
        err().flush();
        return ExitFailure;
    }

    const FileEncoding encoding = detectEncoding(path);
    CXmlFileStream stream(QFile::encodeName(path).toStdString());
    stream.setEncoding(
        encoding == FileEncoding::Legacy ? CXmlStream::EncodingLegacy : CXmlStream::EncodingUtf8);
    CICD_KML kml;
    if (!stream.load(&kml)) {
        err() << "ovcoord kml-check: " << path << ": "
              << QString::fromStdString(stream.errorString()) << "\n";
        err().flush();
        return ExitFailure;
    }

    KmlSummary summary;
    summary.addContent(kml);
    out() << path << ": KML document\n"
          << "encoding: " << encodingText(encoding) << "\n"
          << "documents: " << summary.documents << "\n"
          << "folders: " << summary.folders << "\n"
          << "placemarks: " << summary.placemarks << "\n"
          << "points: " << summary.points << "\n"
          << "lines: " << summary.lines << "\n"
          << "polygons: " << summary.polygons << "\n"
          << "tracks: " << summary.tracks << "\n";
    out().flush();
    return ExitOk;
}

const CommandRegistrar registrar({ "kml-check", "summarise a KML file", runKmlCheck });

} // namespace
