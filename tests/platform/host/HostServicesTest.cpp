#include "OvCoordSystem/host/app/ConfigIni.h"
#include "OvCoordSystem/host/app/OvCoreApplication.h"
#include "OvCoordSystem/host/app/OvLog.h"
#include "OvCoordSystem/host/app/TextConvert.h"
#include "OvCoordSystem/host/app/UserModule.h"
#include "OvCoordSystem/host/widgets/CustomWidget.h"
#include "OvCoordSystem/host/widgets/MessageBox.h"
#include "OvCoordSystem/host/widgets/ZuMessageBox.h"

#include <QApplication>
#include <QFile>
#include <QImage>
#include <QPushButton>
#include <QSettings>
#include <QTemporaryDir>
#include <QTimer>

#include <gtest/gtest.h>

#include <vector>

namespace {

// Every test runs on folders of its own, as a host's tests would.
class HostServices : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        qputenv("OV_CONFIG_DIR", (dir.path() + "/config").toUtf8());
        qputenv("OV_DATA_DIR", (dir.path() + "/data").toUtf8());
        qunsetenv("OV_LOG_FILE");
        qunsetenv("OV_SHARE_SERVICE");
    }
    void TearDown() override
    {
        qunsetenv("OV_CONFIG_DIR");
        qunsetenv("OV_DATA_DIR");
    }
    QTemporaryDir dir;
};

const char kChinaGb18030[] = "\xd6\xd0\xb9\xfa"; // "中国"

TEST_F(HostServices, ConfigIniKeepsValuesInUtf8FileInTheConfigFolder)
{
    const std::string config = COvCoreApplication::GetInstance()->GetConfigDir();
    EXPECT_EQ(config, (dir.path() + "/config/").toStdString());
    EXPECT_EQ(COvCoreApplication::GetInstance()->GetDataDir().back(), '/');
    const QString china = ConvertCharArrayToQString(kChinaGb18030, "GB18030");
    EXPECT_EQ(ConfigIni::getConfig("DownloadExtentKml", "1", "none").toString(), "none");
    ConfigIni::setConfig("DownloadExtentKml", "1", "/tmp/" + china);
    // A missing key takes the default and keeps it; a present key keeps its
    // value.
    EXPECT_EQ(ConfigIni::getConfigOrSetConfigIfNull("G", "k", 7).toInt(), 7);
    EXPECT_EQ(ConfigIni::getConfigOrSetConfigIfNull("G", "k", 9).toInt(), 7);

    EXPECT_TRUE(ConfigIni::filePath().startsWith(QString::fromStdString(config)));
    QSettings file(ConfigIni::filePath(), QSettings::IniFormat);
    file.setIniCodec("UTF-8");
    EXPECT_EQ(file.value("DownloadExtentKml/1").toString(), "/tmp/" + china);
    EXPECT_EQ(file.value("G/k").toInt(), 7);
}

TEST_F(HostServices, LogSinkAndFile)
{
    std::vector<std::pair<OvLogLevel, std::string>> lines;
    OvSetLogSink(
        [&](OvLogLevel level, const std::string& text) { lines.emplace_back(level, text); });
    OvLogError(-1) << "code " << std::string("110105") << " n=" << 3;
    OvLogInfo() << QString::fromUtf8("中国");
    OvSetLogSink(nullptr);
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0], std::make_pair(OvLogLevel::Error, std::string("code 110105 n=3")));
    EXPECT_EQ(lines[1].second, kChinaGb18030);

    OvLogWarn(5) << "to the file";
    QFile log(OvLogFilePath());
    ASSERT_TRUE(log.open(QIODevice::ReadOnly));
    EXPECT_TRUE(log.readAll().trimmed().endsWith("[WARN] (5) to the file"));
}

TEST_F(HostServices, TextConvertersRoundTrip)
{
    const QString china = QString::fromUtf8("中国");
    EXPECT_EQ(ConvertQStringToStdString(china, "GB18030"), kChinaGb18030);
    EXPECT_EQ(ConvertStdStringToQString(kChinaGb18030, "GB18030"), china);
    EXPECT_EQ(
        ConvertQByteArrayToQString(ConvertQStringToQByteArray(china, "UTF-8"), "UTF-8"), china);
    EXPECT_EQ(ConvertCharArrayToQString(nullptr, "GB18030"), QString());
    EXPECT_EQ(ConvertQStringToStdString(china, "no-such-codec"), china.toStdString());
}

TEST_F(HostServices, ServiceAddressFromEnvironmentOrConfig)
{
    ConfigIni::setConfig("UserModule", "ServiceAddress", "http://config:1/");
    EXPECT_EQ(GetOrCreateOvUserModule()->GetServiceAddress(), "http://config:1");
    qputenv("OV_SHARE_SERVICE", "http://127.0.0.1:8080");
    EXPECT_EQ(GetOrCreateOvUserModule()->GetServiceAddress(), "http://127.0.0.1:8080");
}

TEST_F(HostServices, RealBoxesRunModally)
{
    QTimer::singleShot(0, [] {
        QWidget* box = QApplication::activeModalWidget();
        ASSERT_NE(box, nullptr);
        box->findChild<QPushButton*>()->click();
    });
    EXPECT_EQ(ZuMessageBox::information(nullptr, "real"), 1024);

    CMessageBox waiting;
    waiting.setIcon(1);
    waiting.setStandardButtons(0);
    waiting.setText("waiting");
    QTimer::singleShot(0, &waiting, &CMessageBox::close);
    waiting.exec();
    EXPECT_FALSE(waiting.isVisible());
}

TEST_F(HostServices, FramedDialogRendersTitleAndContent)
{
    CustomWidget dialog;
    dialog.setTitle("Title");
    dialog.resize(300, 160);
    ASSERT_NE(dialog.contentWidget(), nullptr);
    const QImage image = dialog.grab().toImage();
    image.save(QStringLiteral("CustomWidget.png"));
    EXPECT_EQ(image.size(), QSize(300, 160));
    EXPECT_NE(image.pixel(150, 10), image.pixel(150, 100)); // the title bar is drawn
}

} // namespace
