#pragma once

#include "OvCoordSystem/OvPlatformGlobal.h"

#include <QString>
#include <QVariant>

// The host's persistent settings: one INI file, "config.ini" in the configuration folder
// (COvCoreApplication::GetConfigDir), UTF-8, one [section] per group. Values are written to disk
// at once. Safe to call from any thread.
class OVPLATFORM_EXPORT ConfigIni
{
public:
    // The value of key in section, or defaultValue when the key is missing.
    static QVariant getConfig(
        const QString& section, const QString& key, const QVariant& defaultValue = QVariant());
    static void setConfig(const QString& section, const QString& key, const QVariant& value);
    // The value of key in section; a missing key is stored as defaultValue first.
    static QVariant getConfigOrSetConfigIfNull(
        const QString& section, const QString& key, const QVariant& defaultValue);
    // The file the settings live in.
    static QString filePath();
};
