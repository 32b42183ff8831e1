#include "OvCoordSystem/host/app/OvCoreApplication.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>

namespace {

std::string folder(const char* variable, QStandardPaths::StandardLocation fallback)
{
    QString path = qEnvironmentVariable(variable);
    if (path.isEmpty()) path = QStandardPaths::writableLocation(fallback);
    if (path.isEmpty()) path = QDir::tempPath();
    path = QDir::cleanPath(QDir(path).absolutePath());
    QDir().mkpath(path);
    if (!path.endsWith(QLatin1Char('/'))) path += QLatin1Char('/');
    return QFile::encodeName(path).toStdString();
}

} // namespace

COvCoreApplication* COvCoreApplication::GetInstance()
{
    static COvCoreApplication instance;
    return &instance;
}

std::string COvCoreApplication::GetDataDir() const
{
    return folder("OV_DATA_DIR", QStandardPaths::AppLocalDataLocation);
}

std::string COvCoreApplication::GetDefaultSaveDir() const
{
    return folder("OV_SAVE_DIR", QStandardPaths::DocumentsLocation);
}

std::string COvCoreApplication::GetConfigDir() const
{
    return folder("OV_CONFIG_DIR", QStandardPaths::AppConfigLocation);
}
