#include "CoordSysTestSupport.h"

#include "OvCoordSystem/geodesy/SpatialReference.h"
#include "OvCoordSystem/host/app/OvLog.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QPixmap>
#include <QTemporaryDir>
#include <QTextCodec>
#include <QTimer>

#include <ogr_spatialref.h>

#include <gtest/gtest.h>

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

void onModal(std::function<void(QWidget* dialog)> action)
{
    // The timer fires in the dialog's own event loop, after exec() has shown it.
    QTimer::singleShot(0, [action] {
        QWidget* dialog = QApplication::activeModalWidget();
        ASSERT_NE(dialog, nullptr);
        action(dialog);
    });
}

void clickInModal(const char* name)
{
    onModal([name](QWidget* dialog) {
        dialog->findChild<QAbstractButton*>(QString::fromLatin1(name))->click();
    });
}

void checkScreenshot(QWidget* widget, const QString& name, int minWidth, int minHeight)
{
    const QImage image = widget->grab().toImage();
    EXPECT_GE(image.width(), minWidth) << name.toStdString();
    EXPECT_GE(image.height(), minHeight) << name.toStdString();
    bool varied = false;
    for (int y = 0; y < image.height() && !varied; ++y) {
        for (int x = 0; x < image.width() && !varied; ++x)
            varied = image.pixel(x, y) != image.pixel(0, 0);
    }
    EXPECT_TRUE(varied) << name.toStdString() << " is blank";
    QString dir = qEnvironmentVariable("OV_SCREENSHOT_DIR");
    if (dir.isEmpty())
        dir = QCoreApplication::applicationDirPath() + QStringLiteral("/screenshots/coordsys");
    QDir().mkpath(dir);
    EXPECT_TRUE(image.save(dir + QLatin1Char('/') + name + QStringLiteral(".png")));
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
