#include "OvCoordSystem/host/RevealInFileBrowser.h"

#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>

#include <gtest/gtest.h>

#if defined(Q_OS_UNIX) && !defined(Q_OS_MACOS)
#include <QDBusConnection>
#include <QDBusContext>
#include <QDBusError>
#endif

#include <memory>

namespace {

// Restores the system browser when a test ends, whatever it installed.
struct HandlerGuard
{
    ~HandlerGuard() { SetRevealHandler({}); }
};

} // namespace

TEST(RevealSeam, HandlerSeesTheAbsolutePathAndDecides)
{
    HandlerGuard guard;
    QStringList seen;
    bool answer = true;
    const RevealHandler handler = [&](const QString& path) {
        seen << path;
        return answer;
    };
    EXPECT_FALSE(SetRevealHandler(handler)); // the system browser was in place

    EXPECT_TRUE(RevealInFileBrowser(QStringLiteral("导出/../导出/范围.shp")));
    answer = false;
    EXPECT_FALSE(RevealInFileBrowser(QStringLiteral("/tmp/a.kml")));
    EXPECT_FALSE(RevealInFileBrowser(QString())); // never reaches the handler
    EXPECT_EQ(seen,
        QStringList({ QDir::current().absoluteFilePath(QStringLiteral("导出/范围.shp")),
            QStringLiteral("/tmp/a.kml") }));

    EXPECT_TRUE(SetRevealHandler({})); // hands back the handler it replaces
}

#if defined(Q_OS_UNIX) && !defined(Q_OS_MACOS)

namespace {

const QString kFileManager = QStringLiteral("org.freedesktop.FileManager1");

// Records what QDesktopServices::openUrl is asked to open.
class UrlSink : public QObject
{
    Q_OBJECT
public:
    QList<QUrl> opened;
public slots:
    void open(const QUrl& url) { opened << url; }
};

// Stands in for the desktop's file manager on the bus.
class FakeFileManager : public QObject, protected QDBusContext
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.FileManager1")
public:
    bool refuse = false;
    int calls = 0;
    QStringList uris;
    QString startupId;
public slots:
    void ShowItems(const QStringList& items, const QString& startup)
    {
        ++calls;
        uris = items;
        startupId = startup;
        if (refuse) sendErrorReply(QDBusError::Failed, QStringLiteral("no window"));
    }
};

} // namespace

// Each test runs the real system path against a private session bus that has no service files,
// so nothing on the machine can be started; QDesktopServices' file handler is replaced too.
class RevealOverDBus : public ::testing::Test
{
protected:
    static void SetUpTestSuite()
    {
        const QString daemon = QStandardPaths::findExecutable(QStringLiteral("dbus-daemon"));
        if (daemon.isEmpty()) return;
        s_dir = std::make_unique<QTemporaryDir>();
        const QString config = s_dir->filePath(QStringLiteral("bus.conf"));
        QFile file(config);
        file.open(QIODevice::WriteOnly);
        file.write(QStringLiteral("<!DOCTYPE busconfig PUBLIC"
                                  " \"-//freedesktop//DTD D-Bus Bus Configuration 1.0//EN\""
                                  " \"http://www.freedesktop.org/standards/dbus/1.0/"
                                  "busconfig.dtd\"><busconfig><type>session</type>"
                                  "<listen>unix:dir=%1</listen><auth>EXTERNAL</auth>"
                                  "<policy context=\"default\"><allow send_destination=\"*\" "
                                  "eavesdrop=\"true\"/><allow eavesdrop=\"true\"/>"
                                  "<allow own=\"*\"/></policy></busconfig>")
                       .arg(s_dir->path())
                       .toUtf8());
        file.close();
        s_daemon = std::make_unique<QProcess>();
        s_daemon->start(daemon,
            { QStringLiteral("--config-file=") + config, QStringLiteral("--nofork"),
                QStringLiteral("--print-address=1") });
        if (!s_daemon->waitForReadyRead(10000)) return;
        s_address = QString::fromUtf8(s_daemon->readLine().trimmed());
        // Qt reads this once, when the session bus is first used: only these tests use it.
        qputenv("DBUS_SESSION_BUS_ADDRESS", s_address.toUtf8());
    }

    static void TearDownTestSuite()
    {
        if (s_daemon) {
            s_daemon->kill();
            s_daemon->waitForFinished(5000);
        }
        s_daemon.reset();
        s_dir.reset();
    }

    void SetUp() override
    {
        if (s_address.isEmpty())
            GTEST_SKIP() << "no private D-Bus session bus (dbus-daemon missing?)";
        QDesktopServices::setUrlHandler(QStringLiteral("file"), &m_sink, "open");
        m_file = m_dir.filePath(QStringLiteral("导出 范围.shp"));
        QFile(m_file).open(QIODevice::WriteOnly);
    }

    void TearDown() override
    {
        QDesktopServices::unsetUrlHandler(QStringLiteral("file"));
        if (m_fake) {
            m_bus->unregisterService(kFileManager);
            m_bus->unregisterObject(QStringLiteral("/org/freedesktop/FileManager1"));
            m_bus.reset();
            QDBusConnection::disconnectFromBus(QStringLiteral("fake-file-manager"));
        }
    }

    FakeFileManager& startFileManager()
    {
        m_fake = std::make_unique<FakeFileManager>();
        m_bus = std::make_unique<QDBusConnection>(
            QDBusConnection::connectToBus(s_address, QStringLiteral("fake-file-manager")));
        EXPECT_TRUE(m_bus->registerObject(QStringLiteral("/org/freedesktop/FileManager1"),
            m_fake.get(), QDBusConnection::ExportAllSlots));
        EXPECT_TRUE(m_bus->registerService(kFileManager));
        return *m_fake;
    }

    static std::unique_ptr<QTemporaryDir> s_dir;
    static std::unique_ptr<QProcess> s_daemon;
    static QString s_address;

    QTemporaryDir m_dir;
    QString m_file;
    UrlSink m_sink;
    std::unique_ptr<FakeFileManager> m_fake;
    std::unique_ptr<QDBusConnection> m_bus;
};

std::unique_ptr<QTemporaryDir> RevealOverDBus::s_dir;
std::unique_ptr<QProcess> RevealOverDBus::s_daemon;
QString RevealOverDBus::s_address;

TEST_F(RevealOverDBus, FileManagerSelectsTheFile)
{
    FakeFileManager& fileManager = startFileManager();
    ASSERT_TRUE(RevealInFileBrowser(m_file));
    ASSERT_TRUE(QTest::qWaitFor([&] { return fileManager.calls > 0; }, 5000));
    EXPECT_EQ(fileManager.uris,
        QStringList({ QString::fromLatin1(QUrl::fromLocalFile(m_file).toEncoded()) }));
    EXPECT_TRUE(fileManager.uris.value(0).contains(QStringLiteral("%E5%AF%BC%E5%87%BA%20")));
    EXPECT_EQ(fileManager.startupId, QString());
    QTest::qWait(50);
    EXPECT_EQ(fileManager.calls, 1);
    EXPECT_TRUE(m_sink.opened.isEmpty());
}

TEST_F(RevealOverDBus, RefusingFileManagerFallsBackToTheFolder)
{
    FakeFileManager& fileManager = startFileManager();
    fileManager.refuse = true;
    ASSERT_TRUE(RevealInFileBrowser(m_file));
    ASSERT_TRUE(QTest::qWaitFor([&] { return !m_sink.opened.isEmpty(); }, 5000));
    EXPECT_EQ(fileManager.calls, 1);
    EXPECT_EQ(m_sink.opened, QList<QUrl>({ QUrl::fromLocalFile(m_dir.path()) }));
}

TEST_F(RevealOverDBus, WithoutFileManagerOpensTheFolder)
{
    ASSERT_TRUE(RevealInFileBrowser(m_file));
    EXPECT_EQ(m_sink.opened, QList<QUrl>({ QUrl::fromLocalFile(m_dir.path()) }));

    // A file that is not there still gets its folder; a missing folder gets nothing.
    m_sink.opened.clear();
    FakeFileManager& fileManager = startFileManager();
    EXPECT_TRUE(RevealInFileBrowser(m_dir.filePath(QStringLiteral("gone.kml"))));
    EXPECT_FALSE(RevealInFileBrowser(m_dir.filePath(QStringLiteral("missing/gone.kml"))));
    QTest::qWait(50);
    EXPECT_EQ(m_sink.opened, QList<QUrl>({ QUrl::fromLocalFile(m_dir.path()) }));
    EXPECT_EQ(fileManager.calls, 0);
}

#include "RevealTest.moc"

#endif
