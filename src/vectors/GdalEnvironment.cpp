#include "OvCoordSystem/vectors/GdalEnvironment_p.h"

#include <QDir>
#include <QFileInfo>

#include <cpl_conv.h>
#include <gdal_priv.h>

namespace vectors {
namespace {

void registerOnce()
{
    if (GetGDALDriverManager()->GetDriverCount() > 0) return;
    GDALAllRegister();
    const QString current = QDir::currentPath();
    const QString dataDir = current + QStringLiteral("/data");
    const QString logFile = current + QStringLiteral("/vuzudur.log");
    if (QFileInfo(dataDir).isDir())
        CPLSetConfigOption("GDAL_DATA", dataDir.toLocal8Bit().constData());
    CPLSetConfigOption("GDAL_FILENAME_IS_UTF8", "NO");
    CPLSetConfigOption("CPL_DEBUG", "YES");
    CPLSetConfigOption("CPL_LOG", logFile.toLocal8Bit().constData());
}

void setVectorDriverOptions()
{
    static const struct
    {
        const char* key;
        const char* value;
    } kOptions[] = {
        { "SHAPE_ENCODING", "" }, // no recoding of attribute text
        { "DXF_ENCODING", "UTF-8" },
        { "DXF_WRITE_HATCH", "NO" },
        { "LIBKML_USE_DOC.KML", "NO" },
        { "LIBKML_EXTERNAL_STYLE", "YES" },
        { "LIBKML_STYLEMAP_KEY", "highlight" },
    };
    for (const auto& option : kOptions)
        CPLSetConfigOption(option.key, option.value);
}

} // namespace

void initGdalEnvironment(int mode)
{
    registerOnce();
    if (mode == GdalVectorMode) setVectorDriverOptions();
}

} // namespace vectors
