#include "OvCoordSystem/host/RevealInFileBrowser.h"

#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QUrl>

#include <utility>

#if defined(Q_OS_WIN)
#include <qt_windows.h>
#include <shellapi.h>
#elif defined(Q_OS_MACOS)
#include <QProcess>
#else
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#endif

namespace {

RevealHandler& installedHandler()
{
    static RevealHandler handler;
    return handler;
}

bool openFolder(const QString& folder)
{
    if (!qGuiApp) // QDesktopServices needs the GUI platform
        return false;
    return QDesktopServices::openUrl(QUrl::fromLocalFile(folder));
}

#if defined(Q_OS_WIN)

bool selectInBrowser(const QString& filePath, const QString&)
{
    const QString parameters
        = QStringLiteral("/select,\"%1\"").arg(QDir::toNativeSeparators(filePath));
    const HINSTANCE result = ShellExecuteW(nullptr, L"open", L"Explorer.exe",
        reinterpret_cast<const wchar_t*>(parameters.utf16()), nullptr, SW_SHOWNORMAL);
    return reinterpret_cast<quintptr>(result) > 32; // ShellExecute's success threshold
}

#elif defined(Q_OS_MACOS)

bool selectInBrowser(const QString& filePath, const QString&)
{
    return QProcess::startDetached(QStringLiteral("open"), { QStringLiteral("-R"), filePath });
}

#else

// The freedesktop.org file-manager interface, which Nautilus, Dolphin, Nemo, Caja and Thunar
// implement. The call is asynchronous so that a file manager that starts slowly does not block
// the GUI; when it refuses, the folder is opened instead.
bool selectInBrowser(const QString& filePath, const QString& folder)
{
    static const QString kService = QStringLiteral("org.freedesktop.FileManager1");
    if (!QCoreApplication::instance()) return false;
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected()) return openFolder(folder);
    QDBusConnectionInterface* busInterface = bus.interface();
    if (!busInterface->isServiceRegistered(kService).value()
        && !busInterface->activatableServiceNames().value().contains(kService))
        return openFolder(folder);

    QDBusMessage call = QDBusMessage::createMethodCall(kService,
        QStringLiteral("/org/freedesktop/FileManager1"), kService, QStringLiteral("ShowItems"));
    call << QStringList { QString::fromLatin1(QUrl::fromLocalFile(filePath).toEncoded()) }
         << QString(); // no startup notification id
    auto* watcher = new QDBusPendingCallWatcher(bus.asyncCall(call), QCoreApplication::instance());
    QObject::connect(watcher, &QDBusPendingCallWatcher::finished, watcher,
        [folder](QDBusPendingCallWatcher* finished) {
            if (finished->isError()) openFolder(folder);
            finished->deleteLater();
        });
    return true;
}

#endif

bool revealWithSystemBrowser(const QString& filePath)
{
    const QFileInfo file(filePath);
    const QString folder = file.absolutePath();
    if (!QFileInfo(folder).isDir()) return false;
    if (!file.exists()) return openFolder(folder);
    return selectInBrowser(filePath, folder);
}

} // namespace

bool RevealInFileBrowser(const QString& filePath)
{
    if (filePath.isEmpty()) return false;
    const QString absolute = QFileInfo(filePath).absoluteFilePath();
    if (const RevealHandler& handler = installedHandler()) return handler(absolute);
    return revealWithSystemBrowser(absolute);
}

RevealHandler SetRevealHandler(RevealHandler handler)
{
    return std::exchange(installedHandler(), std::move(handler));
}
