#include "OvCoordSystem/vectors/WriterStreamFactory.h"

#include "OvCoordSystem/vectors/ExcelWriter.h"
#include "OvCoordSystem/vectors/GPXWriter.h"
#include "OvCoordSystem/vectors/GdalEnvironment_p.h"
#include "OvCoordSystem/vectors/LayerPaths_p.h"
#include "OvCoordSystem/vectors/TextWriter.h"

#include <QFileInfo>
#include <QSet>

namespace vectors {
namespace {

// The two shared registry and every stream the factories made and have not destroyed yet. Only one
// write runs at a time, so nothing here is locked.
struct StreamSlots
{
    IWriterStream* text = nullptr;
    IWriterStream* gdal = nullptr;
    QSet<IWriterStream*> live;
};

StreamSlots& streamRegistry()
{
    static StreamSlots registry;
    return registry;
}

void destroy(IWriterStream* stream)
{
    if (streamRegistry().live.remove(stream)) delete stream;
}

} // namespace

int writerFormatCode(const QString& path)
{
    static const QStringList textSuffixes = { QStringLiteral("TXT"), QStringLiteral("DAT"),
        QStringLiteral("XLS"), QStringLiteral("CSV") };
    const QString suffix = upperSuffix(path);
    if (textSuffixes.contains(suffix)) return TextFormat;
    if (suffix == QLatin1String("GPX")) return GpxFormat;
    return GdalFormat;
}

QString gdalDriverName(const QString& path)
{
    static const struct
    {
        const char* suffix;
        const char* driver;
    } kDrivers[] = {
        { "SHP", "ESRI Shapefile" },
        { "DXF", "DXF" },
        { "KML", "LIBKML" },
        { "KMZ", "LIBKML" },
        { "GPX", "GPX" },
        { "TAB", "MapInfo File" },
        { "MIF", "MapInfo File" },
        { "XLSX", "XLSX" },
        { "GMT", "OGR_GMT" },
        { "GEOJSON", "GEOJSON" },
    };
    const QString suffix = upperSuffix(path);
    for (const auto& entry : kDrivers)
        if (suffix == QLatin1String(entry.suffix)) return QLatin1String(entry.driver);
    return QString();
}

int textEncodingCode(const QString& path)
{
    static const QStringList utf8Suffixes
        = { QStringLiteral("KML"), QStringLiteral("KMZ"), QStringLiteral("GPX"),
              QStringLiteral("GMT"), QStringLiteral("DXF"), QStringLiteral("GEOJSON") };
    return utf8Suffixes.contains(upperSuffix(path)) ? 0 : 3;
}

IWriterStream* createWriterStream(const QString& path)
{
    // A stream may be the first user of GDAL in the process: no tool has prepared it yet.
    initGdalEnvironment(GdalVectorMode);
    IWriterStream* stream = nullptr;
    switch (writerFormatCode(path)) {
    case TextFormat:
        if (upperSuffix(path) == QLatin1String("XLS"))
            stream = new ExcelWriter();
        else
            stream = new TextWriter();
        break;
    case GpxFormat:
        stream = new GPXWriter();
        break;
    default:
        stream = new GDALWriter();
        break;
    }
    streamRegistry().live.insert(stream);
    return stream;
}

IWriterStream* sharedWriterStream(const QString& path)
{
    StreamSlots& registry = streamRegistry();
    IWriterStream*& slot = writerFormatCode(path) == TextFormat ? registry.text : registry.gdal;
    if (!slot) slot = createWriterStream(path);
    return slot;
}

void releaseWriterStream(IWriterStream* stream)
{
    StreamSlots& registry = streamRegistry();
    destroy(stream);
    destroy(std::exchange(registry.text, nullptr));
    destroy(std::exchange(registry.gdal, nullptr));
}

} // namespace vectors
