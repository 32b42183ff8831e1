#include "OvCoordSystem/host/search/DivisionDataFiles_p.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#if defined(__unix__)
#include <dlfcn.h>
#endif

namespace {
const char* const kBundledFile = "divisions.gpkg";

// The folder of the library this code is in; empty where that cannot be found.
QString LibraryDir()
{
#if defined(__unix__)
    Dl_info info;
    if (dladdr(reinterpret_cast<void*>(&DivisionDataFiles), &info) && info.dli_fname)
        return QFileInfo(QString::fromLocal8Bit(info.dli_fname)).absolutePath();
#endif
    return QString();
}

void AddBundled(std::vector<std::string>& files, const QString& dir, const char* relative)
{
    if (dir.isEmpty()) return;
    const std::string file = QDir::cleanPath(dir + QLatin1Char('/') + QLatin1String(relative)
        + QLatin1Char('/') + QLatin1String(kBundledFile))
                                 .toLocal8Bit()
                                 .toStdString();
    for (const std::string& known : files)
        if (known == file) return;
    files.push_back(file);
}
} // namespace

std::vector<std::string> DivisionDataFiles(const std::string& explicitPath)
{
    if (!explicitPath.empty()) return { explicitPath };
    const QByteArray fromEnvironment = qgetenv("OV_DIVISIONS");
    if (!fromEnvironment.isEmpty()) return { fromEnvironment.toStdString() };
    std::vector<std::string> files;
    AddBundled(files, LibraryDir(), OV_DIVISIONS_FROM_LIBDIR);
    if (QCoreApplication::instance())
        AddBundled(files, QCoreApplication::applicationDirPath(), OV_DIVISIONS_FROM_BINDIR);
    AddBundled(files, QStringLiteral(OV_DIVISIONS_SOURCE_DIR), ".");
    return files;
}
