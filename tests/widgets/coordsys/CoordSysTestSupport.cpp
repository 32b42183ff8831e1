#include "CoordSysTestSupport.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QPixmap>
#include <QTemporaryDir>
#include <QTextCodec>
#include <QTimer>
#include <QWidget>

#include <gtest/gtest.h>

#include <memory>
#include <mutex>

namespace coordsystest {
namespace {

std::mutex g_logMutex;
QStringList g_logLines;

// Every test program runs one test per process (ctest), so one folder per process serves.
QTemporaryDir& tempDir()
{
    static QTemporaryDir dir;
    return dir;
}

struct ConfigEnvironment : ::testing::Environment
{
    void SetUp() override { qputenv("OV_CONFIG_DIR", configDir().toLocal8Bit()); }
};
const auto* const g_environment = ::testing::AddGlobalTestEnvironment(new ConfigEnvironment);

constexpr int kModalTries = 300; // × 10 ms

void pollModal(std::shared_ptr<std::function<void(QWidget*)>> action, int tries)
{
    QWidget* dialog = QApplication::activeModalWidget();
    if (dialog) {
        (*action)(dialog);
        return;
    }
    if (tries <= 0) {
        ADD_FAILURE() << "no modal dialog was shown";
        return;
    }
    QTimer::singleShot(10, [action, tries] { pollModal(action, tries - 1); });
}

} // namespace

QString configDir()
{
    const QString dir = tempDir().path() + QStringLiteral("/config");
    QDir().mkpath(dir);
    return dir;
}

LogCapture::LogCapture()
{
    {
        std::lock_guard<std::mutex> lock(g_logMutex);
        g_logLines.clear();
    }
    m_previous = OvSetLogSink([](OvLogLevel, const std::string& message) {
        std::lock_guard<std::mutex> lock(g_logMutex);
        // Log lines are GB18030, the host's encoding.
        g_logLines << QTextCodec::codecForName("GB18030")->toUnicode(message.c_str());
    });
}

LogCapture::~LogCapture()
{
    OvSetLogSink(m_previous);
}

QStringList LogCapture::lines() const
{
    std::lock_guard<std::mutex> lock(g_logMutex);
    return g_logLines;
}

bool LogCapture::contains(const QString& text) const
{
    for (const QString& line : lines()) {
        if (line.contains(text)) return true;
    }
    return false;
}

void onModal(std::function<void(QWidget* dialog)> action)
{
    auto shared = std::make_shared<std::function<void(QWidget*)>>(std::move(action));
    QTimer::singleShot(0, [shared] { pollModal(shared, kModalTries); });
}

void clickInModal(const char* name)
{
    onModal([name](QWidget* dialog) {
        auto* button = dialog->findChild<QAbstractButton*>(QString::fromLatin1(name));
        ASSERT_NE(button, nullptr) << name;
        button->click();
    });
}

void checkScreenshot(QWidget* widget, const QString& name, int minWidth, int minHeight)
{
    const QImage image = widget->grab().toImage();
    EXPECT_GE(image.width(), minWidth) << name.toStdString();
    EXPECT_GE(image.height(), minHeight) << name.toStdString();
    bool varied = false;
    const QRgb first = image.isNull() ? 0 : image.pixel(0, 0);
    for (int y = 0; y < image.height() && !varied; ++y) {
        for (int x = 0; x < image.width() && !varied; ++x)
            varied = image.pixel(x, y) != first;
    }
    EXPECT_TRUE(varied) << name.toStdString() << " is blank";
    QString dir = qEnvironmentVariable("OV_SCREENSHOT_DIR");
    if (dir.isEmpty())
        dir = QCoreApplication::applicationDirPath() + QStringLiteral("/screenshots/coordsys");
    QDir().mkpath(dir);
    EXPECT_TRUE(image.save(dir + QLatin1Char('/') + name + QStringLiteral(".png")));
}

QString writeDxf(const QString& fileName, const QString& extMinX)
{
    const QString path = tempDir().path() + QLatin1Char('/') + fileName;
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) return path;
    file.write("  0\nSECTION\n  2\nHEADER\n  9\n$ACADVER\n  1\nAC1015\n  9\n$EXTMIN\n 10\n");
    file.write(extMinX.toUtf8());
    file.write("\n 20\n4000000.0\n 30\n0.0\n  0\nENDSEC\n  0\nEOF\n");
    return path;
}

} // namespace coordsystest
