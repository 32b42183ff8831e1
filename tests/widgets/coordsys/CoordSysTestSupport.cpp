#include "CoordSysTestSupport.h"

#include "OvCoordSystem/geodesy/SpatialReference.h"
#include "OvCoordSystem/host/app/OvLog.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTextCodec>

#include <ogr_spatialref.h>

#include <utility>

namespace coordsystest {
namespace {

QString g_log;

// ctest runs each test in a process of its own; one folder per process serves.
QTemporaryDir& tempDir()
{
    static QTemporaryDir dir;
    return dir;
}

struct Environment : ::testing::Environment
{
    void SetUp() override
    {
        qputenv("OV_CONFIG_DIR", configDir().toLocal8Bit());
        // Log lines are GB18030, the host's encoding.
        OvSetLogSink([](OvLogLevel, const std::string& line) {
            g_log += QTextCodec::codecForName("GB18030")->toUnicode(line.c_str()) + '\n';
        });
    }
};
const auto* const g_environment = ::testing::AddGlobalTestEnvironment(new Environment);

} // namespace

QString configDir()
{
    const QString dir = tempDir().path() + QStringLiteral("/config");
    QDir().mkpath(dir);
    return dir;
}

QString takeLog()
{
    return std::exchange(g_log, QString());
}

OGRSpatialReference readWithGdal(const CSpatialReference* srs)
{
    OGRSpatialReference ogr;
    if (srs) ogr.importFromWkt(srs->ToWktString().c_str());
    return ogr;
}

std::tuple<double, double, double> gaussOf(const OGRSpatialReference& srs)
{
    double towgs84[7] = {};
    srs.GetTOWGS84(towgs84);
    return { srs.GetProjParm(SRS_PP_CENTRAL_MERIDIAN), srs.GetProjParm(SRS_PP_FALSE_EASTING),
        towgs84[6] };
}

QString writeFile(const QString& path, const QByteArray& content)
{
    QFile file(path);
    if (file.open(QIODevice::WriteOnly | QIODevice::Truncate)) file.write(content);
    return path;
}

QString writeDxf(const QString& fileName, const QString& x)
{
    return writeFile(tempDir().filePath(fileName),
        "  0\nSECTION\n  2\nHEADER\n  9\n$EXTMIN\n 10\n" + x.toUtf8()
            + "\n 20\n4000000.0\n  0\nENDSEC\n  0\nEOF\n");
}

} // namespace coordsystest
