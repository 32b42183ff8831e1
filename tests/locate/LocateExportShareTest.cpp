#include "LocateFixture.h"

#include "OvCoordSystem/coord/ExportTools.h"
#include "OvCoordSystem/host/Tools.h"
#include "OvCoordSystem/host/app/ConfigIni.h"
#include "OvCoordSystem/host/widgets/HostFileDialog.h"
#include "OvCoordSystem/host/widgets/MessageBox.h"
#include "OvCoordSystem/locate/LocateClock_p.h"
#include "OvCoordSystem/locate/LocateThread.h"
#include "OvCoordSystem/locate/LocateThread_p.h"
#include "OvCoordSystem/locate/NetworkDownDlg.h"
#include "OvCoordSystem/locate/ShareCrypto_p.h"

#include "ShareService.h"

#include <QClipboard>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>

#include <gdal_priv.h>
#include <ogrsf_frmts.h>

#include <memory>

namespace {

const QString kChaoyangName = QStringLiteral("朝阳区");
const QString kDongcheng = QStringLiteral("110101");

// The range export and the share link through a real locator, with the user's answers given
// through the file-dialog seam and by clicking the modal boxes.
class LocateExportShare : public LocateTest
{
protected:
    void SetUp() override
    {
        LocateTest::SetUp();
        qputenv("OV_CONFIG_DIR", (dir.path() + "/config").toUtf8());
        qputenv("OV_DATA_DIR", (dir.path() + "/data").toUtf8());
        HostFileDialog::setResponder(
            [this](const QString& caption, const QString& start, const QString& filter) {
                dialogs << caption + QLatin1Char('|') + start + QLatin1Char('|') + filter;
                return answer;
            });
        // Shows whatever modal window comes up and closes it as a user would.
        QObject::connect(&answerer, &QTimer::timeout, [this] {
            QWidget* modal = QApplication::activeModalWidget();
            auto* box = qobject_cast<CMessageBox*>(modal);
            if (auto* share = qobject_cast<CNetworkDownDlg*>(modal)) {
                shown << widgettest::child<QLabel>(share, "urlLabel")->text();
                widgettest::child<QPushButton>(share, "closePushButton")->click();
            } else if (box && box->button(QMessageBox::Ok) && box->text() == "网络请求错误！") {
                shown << box->text();
                box->button(QMessageBox::Ok)->click();
            }
        });
        answerer.start(10);
    }
    void TearDown() override
    {
        answerer.stop();
        HostFileDialog::setResponder(nullptr);
        locateclock::setClock(nullptr);
        qunsetenv("OV_CONFIG_DIR");
        qunsetenv("OV_DATA_DIR");
        qunsetenv("OV_SHARE_SERVICE");
        LocateTest::TearDown();
    }

    QTemporaryDir dir;
    QString answer; // the file the user chooses; empty for cancel
    QStringList dialogs; // caption|start path|filter of every file dialog
    QStringList shown; // links and errors the user saw
    QTimer answerer;
};

TEST_F(LocateExportShare, ExportAsksForAFileAndRemembersItsFolder)
{
    locate->ExportRange(nullptr);
    EXPECT_TRUE(
        messages == QStringList({ QStringLiteral("请选择区域！ 1024") }) && dialogs.isEmpty());

    // The proposed name skips the files that exist; a backslash folder is read with slashes.
    ConfigIni::setConfig("DownloadExtentKml", "1", QString(dir.path()).replace('/', '\\'));
    for (const QString& taken : { kChaoyangName, kChaoyangName + "(2)" })
        ASSERT_TRUE(QFile(dir.filePath(taken)).open(QIODevice::WriteOnly));
    ASSERT_TRUE(locate->Location(kChaoyang, kChaoyangName, true));
    QDir(dir.path()).mkdir("out");
    answer = dir.filePath("out/range.shp");
    locate->ExportRange(nullptr);
    EXPECT_EQ(dialogs.value(0),
        QStringLiteral("导出下载范围|") + dir.filePath(kChaoyangName + "(3)")
            + "|ESRI Shapefile(*.shp);;Google Earth(*.kml);;Google Earth(*.kmz);;"
              "AutoCAD(*.dxf);;MapInfo(*.tab)");
    EXPECT_EQ(ConfigIni::getConfig("DownloadExtentKml", "1").toString(), dir.filePath("out") + "/");

    GDALAllRegister();
    std::unique_ptr<GDALDataset> shp(GDALDataset::Open(
        dir.filePath("out/range_polygon.shp").toLocal8Bit().constData(), GDAL_OF_VECTOR));
    ASSERT_TRUE(shp);
    OGRLayer* layer = shp->GetLayer(0);
    ASSERT_EQ(layer->GetFeatureCount(), 3);
    // The DBF holds GBK text, as its .cpg says.
    EXPECT_EQ(QTextCodec::codecForName("GB18030")->toUnicode(
                  std::unique_ptr<OGRFeature>(layer->GetNextFeature())->GetFieldAsString("NAME")),
        kChaoyangName);

    // An empty list is refused before the dialog.
    answer.clear();
    locate->ExportPolygonF(QStringLiteral("x"), locate->GetCurrentDivision());
    locate->ExportPolygonF(QStringLiteral("x"), QList<QPolygonF>());
    EXPECT_TRUE(messages.last() == QStringLiteral("导出区域为空！ 1024") && dialogs.size() == 2);
}

TEST_F(LocateExportShare, ShareLinksAreCachedAndRateLimited)
{
    ShareService service;
    qputenv("OV_SHARE_SERVICE", service.address().toUtf8());
    map()->SetMapType(MAP_GOOGLE_EARTH);
    QDateTime clock = QDateTime::currentDateTime();
    locateclock::setClock([&clock] { return clock; });

    ASSERT_TRUE(locate->Location(kChaoyang, kChaoyangName, true));
    locate->SlotNetworkDownRange();
    ASSERT_TRUE(shown.size() == 1 && shown[0].endsWith(">https://pan.baidu.com/s/1110105Range"));

    service.setFault("http-500"); // a second request would fail: the cache answers instead
    clock = clock.addSecs(10);
    locate->SlotNetworkDownRange();
    EXPECT_EQ(shown.value(1), shown[0]);

    ASSERT_TRUE(locate->Location(kDongcheng, QStringLiteral("东城区"), true));
    // Walk the clock from the first share: +100 s, +300 s, then +301 s sends the request.
    const QDateTime shared = clock.addSecs(-10);
    for (const auto& [seconds, wait] : { std::pair(100, "3分20秒"), std::pair(300, "0分0秒") }) {
        clock = shared.addSecs(seconds);
        locate->SlotNetworkDownRange();
        EXPECT_EQ(messages.last(),
            QStringLiteral("由于百度网盘分享链接限制，请%1后重试。 1024")
                .arg(QString::fromUtf8(wait)));
    }
    clock = shared.addSecs(301);
    locate->SlotNetworkDownRange();
    EXPECT_EQ(shown.value(2), QStringLiteral("网络请求错误！"));

    // After a failure the next request goes out at once.
    service.setFault("none");
    locate->SlotNetworkDownRange();
    EXPECT_TRUE(shown.value(3).endsWith(">https://pan.baidu.com/s/1110101Range"));
}

const QList<QPolygonF> kRange = {
    QPolygonF({ { 116.30, 39.90 }, { 116.40, 39.90 }, { 116.40, 40.00 }, { 116.30, 39.90 } }),
    QPolygonF({ { 117.00, 39.00 }, { 117.20, 39.00 }, { 117.10, 39.20 }, { 117.00, 39.00 } }),
};

// Each polygon is named after the file; Baidu maps get their shifted points. (The locator's export
// test reads a Shapefile back.) Existing output is never overwritten: the MapInfo files, or the
// Shapefile's split name.
TEST(ExportDownRange, BaiduRangeInTheMapsCoordinatesAndNothingOverwritten)
{
    QTemporaryDir dir;
    ASSERT_TRUE(I_ExportTools::toExportDownRange(dir.filePath("baidu.tab"), kRange, MAP_BAIDU));
    GDALAllRegister();
    std::unique_ptr<GDALDataset> dataset(
        GDALDataset::Open(dir.filePath("baidu.tab").toLocal8Bit().constData(), GDAL_OF_VECTOR));
    ASSERT_TRUE(dataset);
    OGRLayer* layer = dataset->GetLayer(0);
    ASSERT_EQ(layer->GetFeatureCount(), 2);
    for (auto& feature : *layer) {
        EXPECT_STREQ(feature->GetFieldAsString("NAME"), "baidu");
        QPolygonF expected = kRange[int(feature->GetFID()) - 1];
        for (QPointF& point : expected)
            point = Tools::wgs84ToBd09ByPos(point, 20);
        OGREnvelope box;
        feature->GetGeometryRef()->getEnvelope(&box);
        EXPECT_NEAR(box.MinX, expected.boundingRect().left(), 1e-6);
        EXPECT_NEAR(box.MaxY, expected.boundingRect().bottom(), 1e-6);
    }
    EXPECT_FALSE(I_ExportTools::toExportDownRange(dir.filePath("baidu.tab"), kRange, 0));
    ASSERT_TRUE(QFile(dir.filePath("split_polygon.dbf")).open(QIODevice::WriteOnly));
    EXPECT_FALSE(I_ExportTools::toExportDownRange(dir.filePath("split.shp"), kRange, 0));
    EXPECT_FALSE(I_ExportTools::toExportDownRange(dir.filePath("none.shp"), {}, 0));
    EXPECT_TRUE(QDir(dir.path()).entryList({ "*.shp" }).isEmpty());
}

// A range request as the locator writes it; its last AES block is zero-filled.
const QByteArray kRangeBody
    = CLocateThread::RangeRequestBody(116.1981234, 39.81519, 116.54099, 40.0315, "110105");

class ShareExchange : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_FALSE(service.address().isEmpty()) << "reference service did not start";
        qputenv("OV_DATA_DIR", dataDir.path().toUtf8());
        qputenv("OV_SHARE_SERVICE", service.address().toUtf8());
        CLocateThread::SetExchangeTimeout(10000);
    }
    void TearDown() override
    {
        qunsetenv("OV_DATA_DIR");
        qunsetenv("OV_SHARE_SERVICE");
    }

    // Runs one request to its end: "code url password" of SigFinished, or "none" when none came.
    QString share(const QByteArray& body = kRangeBody)
    {
        CLocateThread thread;
        QSignalSpy finished(&thread, &CLocateThread::SigFinished);
        EXPECT_TRUE(thread.SetRequestBody(body));
        thread.start();
        EXPECT_FALSE(thread.SetRequestBody(body)); // refused while running
        thread.wait();
        if (finished.count() != 1) return QStringLiteral("none");
        return finished[0][0].toString() + ' ' + finished[0][1].toString() + ' '
            + finished[0][2].toString();
    }
    QString pemPath() const { return dataDir.path() + QStringLiteral("/public.pem"); }
    QByteArray pem() const
    {
        QFile file(pemPath());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    ShareService service;
    QTemporaryDir dataDir;
};

TEST_F(ShareExchange, EveryFaultEndsWithItsCode)
{
    CLocateThread::SetExchangeTimeout(1000); // the delay fault waits 3 s
    const std::tuple<const char*, int, int> cases[] = { { "error-code", 2, 2 },
        { "http-500", 1, 1 }, { "http-500", 2, 1 }, { "delay", 1, 1 }, { "delay", 2, 1 },
        { "bad-hex", 2, 1 }, { "non-json", 2, 1 } }; // fault, in step, code
    for (const auto& [fault, step, code] : cases) {
        service.setFault(QString::fromLatin1(fault), step);
        EXPECT_EQ(share(), QStringLiteral("%1 NULL NULL").arg(code))
            << fault << " in step " << step;
    }
    service.setFault(QStringLiteral("empty-list"));
    EXPECT_EQ(share().section(' ', 1, 1), QString());
}

// The key file is replaced by each key answer and kept when the answer is not JSON.
TEST_F(ShareExchange, ServiceDecodesTheRequestAndTheKeyFileFollowsTheKeyAnswer)
{
    ASSERT_EQ(kRangeBody.size(), 152); // nine blocks and a half
    EXPECT_TRUE(QRegExp("0 https://pan.baidu.com/s/1110105Range \\S{4}").exactMatch(share()));
    // The service checked every byte of the layout; it saw the values we sent.
    const QJsonObject seen = service.lastRequest();
    EXPECT_EQ(
        seen["adcode"].toString() + seen["extent_minx"].toString() + seen["extent_maxx"].toString(),
        "110105116.198116.541");
    const QByteArray stored = pem();
    EXPECT_TRUE(stored.startsWith("-----BEGIN PUBLIC KEY-----"));
    service.setFault(QStringLiteral("non-json"), 1);
    EXPECT_TRUE(share().startsWith("0 ")); // the stored key of the same service still works
    EXPECT_EQ(pem(), stored);

    // A key file that holds no key gives an empty encrypted key, which the service refuses.
    QFile file(pemPath());
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write("no key"));
    file.close();
    EXPECT_TRUE(share().startsWith("1 "));
}

TEST_F(ShareExchange, CancelEndsCleanly)
{
    service.setFault(QStringLiteral("delay"), 1, 5);
    auto thread = std::make_unique<CLocateThread>();
    QSignalSpy finished(thread.get(), &CLocateThread::SigFinished);
    thread->SetRequestBody(kRangeBody);
    thread->start();
    QThread::msleep(100);
    thread.reset(); // quits and waits, well before the service answers
    EXPECT_EQ(finished.count(), 0);
}

TEST(ShareCrypto, AesBlocksAreZeroFilledNeverPadded)
{
    // FIPS-197 appendix C.1: AES-128 of 00112233...ff under 000102...0f.
    const QByteArray key = QByteArray::fromHex("000102030405060708090a0b0c0d0e0f");
    const QByteArray plain = QByteArray::fromHex("00112233445566778899aabbccddeeff");
    EXPECT_EQ(sharecrypto::aes128Ecb(key, plain, true).toHex(), "69c4e0d86a7b0430d8cdb78070b4c55a");

    const QByteArray requestKey = sharecrypto::makeRequestKey();
    EXPECT_TRUE(QRegExp("[0-9A-F]{16}").exactMatch(QString::fromLatin1(requestKey)));
    const QByteArray back = sharecrypto::aes128Ecb(
        requestKey, sharecrypto::aes128Ecb(requestKey, "short", true), false);
    EXPECT_EQ(back, QByteArray("short").append(11, '\0'));
    EXPECT_TRUE(sharecrypto::aes128Ecb("too short", plain, true).isEmpty());
}

// Closed by its button in the locator's share test.
TEST(NetworkDownDlg, ShowsTheLinkAndCopiesTheCode)
{
    CNetworkDownDlg dialog;
    dialog.SetShareInfo(QStringLiteral("https://pan.baidu.com/s/1abc"), QStringLiteral("x7k2"));
    dialog.findChild<QPushButton*>("copyPushButton")->click();
    EXPECT_EQ(QApplication::clipboard()->text(), QStringLiteral("x7k2"));

    widgettest::checkScreenshot(&dialog, "CNetworkDownDlg", 388, 100, "locate");
}

} // namespace
