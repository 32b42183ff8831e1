#include "OvCoordSystem/host/app/ConfigIni.h"
#include "OvCoordSystem/host/app/OvCoreApplication.h"
#include "OvCoordSystem/host/app/OvLog.h"
#include "OvCoordSystem/host/app/TextConvert.h"
#include "OvCoordSystem/host/app/UserModule.h"

#include <QFile>
#include <QSettings>
#include <QTemporaryDir>

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

TEST_F(HostServices, ConfigIniKeepsUtf8ValuesInTheConfigFolderAndTheServiceAddress)
{
    const std::string config = COvCoreApplication::GetInstance()->GetConfigDir();
    EXPECT_EQ(config, (dir.path() + "/config/").toStdString());
    const QString china = ConvertCharArrayToQString(kChinaGb18030, "GB18030");
    ConfigIni::setConfig("DownloadExtentKml", "1", "/tmp/" + china);
    // A missing key takes the default and keeps it; a present key keeps its
    // value.
    EXPECT_EQ(ConfigIni::getConfigOrSetConfigIfNull("G", "k", 7).toInt(), 7);
    EXPECT_EQ(ConfigIni::getConfigOrSetConfigIfNull("G", "k", 9).toInt(), 7);

    QSettings file(ConfigIni::filePath(), QSettings::IniFormat);
    file.setIniCodec("UTF-8");
    EXPECT_EQ(file.value("DownloadExtentKml/1").toString(), "/tmp/" + china);
    EXPECT_EQ(file.value("G/k").toInt(), 7);

    // The share service's address: the environment's before the configuration's.
    ConfigIni::setConfig("UserModule", "ServiceAddress", "http://config:1/");
    EXPECT_EQ(GetOrCreateOvUserModule()->GetServiceAddress(), "http://config:1");
    qputenv("OV_SHARE_SERVICE", "http://127.0.0.1:8080");
    EXPECT_EQ(GetOrCreateOvUserModule()->GetServiceAddress(), "http://127.0.0.1:8080");
}

TEST_F(HostServices, LogSinkAndFile)
{
    std::vector<std::pair<OvLogLevel, std::string>> lines;
    OvSetLogSink(
        [&](OvLogLevel level, const std::string& text) { lines.emplace_back(level, text); });
    OvLogError(-1) << "code " << std::string("110105") << " n=" << 3 << QString::fromUtf8("中国");
    OvSetLogSink(nullptr);
    EXPECT_EQ(lines,
        (std::vector<std::pair<OvLogLevel, std::string>> {
            { OvLogLevel::Error, std::string("code 110105 n=3") + kChinaGb18030 } }));

    OvLogWarn(5) << "to the file";
    QFile log(OvLogFilePath());
    ASSERT_TRUE(log.open(QIODevice::ReadOnly));
    EXPECT_TRUE(log.readAll().trimmed().endsWith("[WARN] (5) to the file"));
}

} // namespace
