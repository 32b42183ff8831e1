#include "OvCoordSystem/host/app/ConfigIni.h"

#include "OvCoordSystem/host/app/OvCoreApplication.h"

#include <QFile>
#include <QMutex>
#include <QMutexLocker>
#include <QSettings>

#include <memory>

namespace {

QMutex& settingsMutex()
{
    static QMutex mutex;
    return mutex;
}

// One QSettings per file, kept while the configuration folder stays the same, so repeated reads
// do not parse the file again. Call with settingsMutex() held.
QSettings& settings()
{
    static std::unique_ptr<QSettings> current;
    const QString path = ConfigIni::filePath();
    if (!current || current->fileName() != path) {
        current = std::make_unique<QSettings>(path, QSettings::IniFormat);
        current->setIniCodec("UTF-8");
    }
    return *current;
}

QString fullKey(const QString& section, const QString& key)
{
    return section.isEmpty() ? key : section + QLatin1Char('/') + key;
}

} // namespace

QString ConfigIni::filePath()
{
    return QFile::decodeName(COvCoreApplication::GetInstance()->GetConfigDir().c_str())
        + QStringLiteral("config.ini");
}

QVariant ConfigIni::getConfig(
    const QString& section, const QString& key, const QVariant& defaultValue)
{
    QMutexLocker lock(&settingsMutex());
    return settings().value(fullKey(section, key), defaultValue);
}

void ConfigIni::setConfig(const QString& section, const QString& key, const QVariant& value)
{
    QMutexLocker lock(&settingsMutex());
    QSettings& s = settings();
    s.setValue(fullKey(section, key), value);
    s.sync();
}

QVariant ConfigIni::getConfigOrSetConfigIfNull(
    const QString& section, const QString& key, const QVariant& defaultValue)
{
    QMutexLocker lock(&settingsMutex());
    QSettings& s = settings();
    const QString name = fullKey(section, key);
    if (s.contains(name)) return s.value(name);
    s.setValue(name, defaultValue);
    s.sync();
    return defaultValue;
}
