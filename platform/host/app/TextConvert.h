#pragma once

#include "OvCoordSystem/OvPlatformGlobal.h"

#include <QByteArray>
#include <QString>

#include <string>

// The host's text converters. codec names a QTextCodec ("GB18030" for strings handed to host
// modules, "UTF-8", ...); an unknown name is taken as UTF-8. A null text gives an empty result.
OVPLATFORM_EXPORT std::string ConvertQStringToStdString(const QString& text, const char* codec);
OVPLATFORM_EXPORT QString ConvertStdStringToQString(const std::string& text, const char* codec);
OVPLATFORM_EXPORT QByteArray ConvertQStringToQByteArray(const QString& text, const char* codec);
OVPLATFORM_EXPORT QString ConvertQByteArrayToQString(const QByteArray& text, const char* codec);
OVPLATFORM_EXPORT QString ConvertCharArrayToQString(const char* text, const char* codec);
