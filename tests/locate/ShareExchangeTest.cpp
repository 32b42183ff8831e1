#include "OvCoordSystem/locate/LocateThread.h"

#include "OvCoordSystem/locate/LocateThread_p.h"
#include "OvCoordSystem/locate/NetworkDownDlg.h"
#include "OvCoordSystem/locate/ShareCrypto_p.h"

#include "ShareService.h"
#include "WidgetTestSupport.h"

#include <QClipboard>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>

#include <memory>

namespace {

// A range request as the locator writes it; its last AES block is zero-filled.
const QByteArray kRangeBody
    = CLocateThread::RangeRequestBody(116.1981234, 39.81519, 116.54099, 40.0315, "110105");

class ShareExchange : public ::testing::Test
{
protected:
    static void SetUpTestSuite() { service = std::make_unique<ShareService>(); }
    static void TearDownTestSuite() { service.reset(); }

    void SetUp() override
    {
        ASSERT_FALSE(service->address().isEmpty()) << "reference service did not start";
        qputenv("OV_DATA_DIR", dataDir.path().toUtf8());
        qputenv("OV_SHARE_SERVICE", service->address().toUtf8());
        service->setFault(QStringLiteral("none"));
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

    static std::unique_ptr<ShareService> service;
    QTemporaryDir dataDir;
};

std::unique_ptr<ShareService> ShareExchange::service;

TEST_F(ShareExchange, EveryFaultEndsWithItsCode)
{
    CLocateThread::SetExchangeTimeout(1000); // the delay fault waits 3 s
    const std::tuple<const char*, int, int> cases[] = { { "error-code", 2, 2 },
        { "http-500", 1, 1 }, { "http-500", 2, 1 }, { "delay", 1, 1 }, { "delay", 2, 1 },
        { "bad-hex", 2, 1 }, { "non-json", 2, 1 } }; // fault, in step, code
    for (const auto& [fault, step, code] : cases) {
        service->setFault(QString::fromLatin1(fault), step);
        EXPECT_EQ(share(), QStringLiteral("%1 NULL NULL").arg(code))
            << fault << " in step " << step;
    }
    service->setFault(QStringLiteral("empty-list"));
    EXPECT_EQ(share().section(' ', 1, 1), QString());
}

// The key file is replaced by each key answer and kept when the answer is not JSON.
TEST_F(ShareExchange, ServiceDecodesTheRequestAndTheKeyFileFollowsTheKeyAnswer)
{
    ASSERT_EQ(kRangeBody.size(), 152); // nine blocks and a half
    EXPECT_TRUE(QRegExp("0 https://pan.baidu.com/s/1110105Range \\S{4}").exactMatch(share()));
    // The service checked every byte of the layout; it saw the values we sent.
    const QJsonObject seen = service->lastRequest();
    EXPECT_EQ(QStringList({ seen.value("adcode").toString(), seen.value("extent_minx").toString(),
                  seen.value("extent_maxx").toString() }),
        QStringList({ "110105", "116.198", "116.541" }));
    EXPECT_TRUE(pem().startsWith("-----BEGIN PUBLIC KEY-----"));
    const QByteArray stored = pem();
    service->setFault(QStringLiteral("non-json"), 1);
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
    service->setFault(QStringLiteral("delay"), 1, 5);
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
