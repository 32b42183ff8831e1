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

#include <memory>

#if defined(Q_OS_UNIX) && !defined(Q_OS_MACOS)
#include <QDBusConnection>
#include <QDBusContext>
#include <QDBusError>
#endif

TEST(RevealSeam, HandlerSeesTheAbsolutePathAndDecides)
{
    // The system browser is back when the test ends, whatever it installed.
    const std::shared_ptr<void> restore(nullptr, [](void*) { SetRevealHandler({}); });
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
public slots:
    void ShowItems(const QStringList& items, const QString&)
    {
        ++calls;
        uris = items;
        if (refuse) sendErrorReply(QDBusError::Failed, QStringLiteral("no window"));
    }
};

} // namespace

// The real system path against a private session bus that has no service files, so nothing on
// the machine can be started; QDesktopServices' file handler is replaced too.
TEST(RevealOverDBus, FileManagerSelectsTheFileOrTheFolderOpens)
{
    const QString daemonPath = QStandardPaths::findExecutable(QStringLiteral("dbus-daemon"));
    if (daemonPath.isEmpty()) GTEST_SKIP() << "no dbus-daemon for a private session bus";
    QTemporaryDir dir;
    const QString config = dir.filePath(QStringLiteral("bus.conf"));
    QFile file(config);
    file.open(QIODevice::WriteOnly);
    file.write(QStringLiteral(R"(<busconfig><type>session</type><listen>unix:dir=%1</listen>
<auth>EXTERNAL</auth><policy context="default"><allow send_destination="*" eavesdrop="true"/>
<allow eavesdrop="true"/><allow own="*"/></policy></busconfig>)")
                   .arg(dir.path())
                   .toUtf8());
    file.close();
    QProcess daemon; // killed when the test ends
    daemon.start(daemonPath,
        { QStringLiteral("--config-file=") + config, QStringLiteral("--nofork"),
            QStringLiteral("--print-address=1") });
    ASSERT_TRUE(daemon.waitForReadyRead(10000));
    const QString address = QString::fromUtf8(daemon.readLine().trimmed());
    // Qt reads this once, when the session bus is first used: only this test uses it.
    qputenv("DBUS_SESSION_BUS_ADDRESS", address.toUtf8());
    UrlSink sink;
    QDesktopServices::setUrlHandler(QStringLiteral("file"), &sink, "open");
    const std::shared_ptr<void> restore(
        nullptr, [](void*) { QDesktopServices::unsetUrlHandler(QStringLiteral("file")); });
    const QUrl folder = QUrl::fromLocalFile(dir.path());
    const QString shp = dir.filePath(QStringLiteral("导出 范围.shp"));
    QFile(shp).open(QIODevice::WriteOnly);

    // Without a file manager on the bus the folder opens, also for a file that is not there.
    ASSERT_TRUE(RevealInFileBrowser(shp));
    EXPECT_TRUE(RevealInFileBrowser(dir.filePath(QStringLiteral("gone.kml"))));
    EXPECT_EQ(sink.opened, QList<QUrl>({ folder, folder }));
    sink.opened.clear();

    FakeFileManager fileManager;
    QDBusConnection bus = QDBusConnection::connectToBus(address, QStringLiteral("fake-fm"));
    ASSERT_TRUE(bus.registerObject(QStringLiteral("/org/freedesktop/FileManager1"), &fileManager,
        QDBusConnection::ExportAllSlots));
    ASSERT_TRUE(bus.registerService(kFileManager));
    EXPECT_FALSE(RevealInFileBrowser(dir.filePath(QStringLiteral("missing/gone.kml"))));
    ASSERT_TRUE(RevealInFileBrowser(shp));
    ASSERT_TRUE(QTest::qWaitFor([&] { return fileManager.calls > 0; }, 5000));
    EXPECT_EQ(fileManager.uris,
        QStringList({ QString::fromLatin1(QUrl::fromLocalFile(shp).toEncoded()) }));
    QTest::qWait(50);
    EXPECT_EQ(fileManager.calls, 1);
    EXPECT_TRUE(sink.opened.isEmpty());

    // A file manager that refuses leaves the folder to open.
    fileManager.refuse = true;
    ASSERT_TRUE(RevealInFileBrowser(shp));
    ASSERT_TRUE(QTest::qWaitFor([&] { return !sink.opened.isEmpty(); }, 5000));
    EXPECT_EQ(fileManager.calls, 2);
    EXPECT_EQ(sink.opened, QList<QUrl>({ folder }));
    bus.unregisterObject(QStringLiteral("/org/freedesktop/FileManager1"));
}

#include "RevealTest.moc"

#endif
