#include "OvCoordSystem/vectors/I_VectorTools.h"
#include "OvCoordSystem/vectors/VectorToolFactory.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <cpl_conv.h>
#include <cpl_error.h>
#include <gdal_priv.h>
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>

// GDAL is set up once per process, so each case runs in a fresh copy of this program (gtest's
// threadsafe death-test style re-executes it) that starts with no driver registered.

namespace {

int failures = 0;

void check(bool condition, const char* what)
{
    if (!condition) {
        std::fprintf(stderr, "failed: %s\n", what);
        ++failures;
    }
}

bool optionIs(const char* key, const char* value)
{
    const char* current = CPLGetConfigOption(key, nullptr);
    return current && qstrcmp(current, value) == 0;
}

bool optionIs(const char* key, const QString& path)
{
    return optionIs(key, path.toLocal8Bit().constData());
}

// Ends the child without running exit handlers (the leak checker would add its own status).
[[noreturn]] void finish(QTemporaryDir& dir)
{
    dir.remove();
    std::fflush(stderr);
    std::_Exit(failures);
}

[[noreturn]] void firstToolSetsUpGdal()
{
    QTemporaryDir dir;
    QDir(dir.path()).mkdir(QStringLiteral("data"));
    QDir::setCurrent(dir.path());
    check(GetGDALDriverManager()->GetDriverCount() == 0, "no driver before the first tool");

    I_VectorTools* tool = createVectorTool(VectorToolWriteVector);
    check(GetGDALDriverManager()->GetDriverByName("ESRI Shapefile") != nullptr, "drivers");
    check(optionIs("GDAL_DATA", dir.path() + QStringLiteral("/data")), "GDAL_DATA");
    const QString log = dir.path() + QStringLiteral("/vuzudur.log");
    check(optionIs("CPL_LOG", log), "CPL_LOG");
    check(optionIs("DXF_ENCODING", "UTF-8"), "DXF_ENCODING");
    releaseVectorTool(tool);

    CPLError(CE_Warning, CPLE_AppDefined, "into the log");
    QFile file(log);
    check(file.open(QIODevice::ReadOnly) && file.readAll().contains("into the log"),
        "GDAL's messages land in vuzudur.log");

    // Later tools only set the vector options again (the raster set-up not even those), and the
    // paths stay those of the first set-up.
    CPLSetConfigOption("DXF_ENCODING", "CP936");
    QDir::setCurrent(QDir::tempPath());
    tool = createVectorTool(VectorToolGeoTools);
    CPLSetConfigOption("DXF_ENCODING", "CP936");
    tool->initEnvironment();
    check(optionIs("DXF_ENCODING", "CP936"), "the raster set-up leaves vector options alone");
    releaseVectorTool(tool);
    releaseVectorTool(createVectorTool(VectorToolReadVector));
    check(optionIs("DXF_ENCODING", "UTF-8"), "a later tool sets the vector options again");
    check(optionIs("CPL_LOG", log), "the log stays where it was first put");
    finish(dir);
}

[[noreturn]] void missingDataFolderLeavesGdalDataAlone()
{
    QTemporaryDir dir;
    QDir::setCurrent(dir.path());
    CPLSetConfigOption("GDAL_DATA", "/untouched");
    releaseVectorTool(createVectorTool(VectorToolGeoTools));
    check(optionIs("GDAL_DATA", "/untouched"), "GDAL_DATA without a data folder");
    finish(dir);
}

} // namespace

TEST(GdalEnvironmentDeathTest, FirstToolRegistersDriversAndSetsTheOptions)
{
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(firstToolSetsUpGdal(), testing::ExitedWithCode(0), "");
}

TEST(GdalEnvironmentDeathTest, MissingDataFolderLeavesGdalDataAlone)
{
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(missingDataFolderLeavesGdalDataAlone(), testing::ExitedWithCode(0), "");
}
