#pragma once

#include "OvCoordSystem/OvPlatformGlobal.h"

#include <QString>

#include <functional>
#include <string>

enum class OvLogLevel
{
    Error,
    Warn,
    Info
};

// One line of the host log, built with << and written when the object is destroyed (at the end
// of the statement that made it). Text is kept as GB18030 bytes, the host's encoding for
// std::string: C strings and std::string are taken as they are, QString is converted.
class OVPLATFORM_EXPORT COvLogObject
{
public:
    COvLogObject(OvLogLevel level, int id);
    COvLogObject(COvLogObject&& other) noexcept;
    COvLogObject(const COvLogObject&) = delete;
    COvLogObject& operator=(const COvLogObject&) = delete;
    COvLogObject& operator=(COvLogObject&&) = delete;
    ~COvLogObject();

    COvLogObject& operator<<(const char* text);
    COvLogObject& operator<<(const std::string& text);
    COvLogObject& operator<<(const QString& text);
    COvLogObject& operator<<(long long value);
    COvLogObject& operator<<(int value) { return *this << static_cast<long long>(value); }
    COvLogObject& operator<<(double value);

private:
    OvLogLevel m_level;
    int m_id; // the caller's module id; -1 for none
    std::string m_text;
    bool m_active = true; // false once moved from
};

// Lines of the three levels. id is the caller's module id (-1 for none).
OVPLATFORM_EXPORT COvLogObject OvLogError(int id = -1);
OVPLATFORM_EXPORT COvLogObject OvLogWarn(int id = -1);
OVPLATFORM_EXPORT COvLogObject OvLogInfo(int id = -1);

// Receives every finished line instead of the log file (for tests and hosts with their own log).
using OvLogSink = std::function<void(OvLogLevel level, const std::string& message)>;
// Installs sink and returns the previous one; an empty sink restores the log file.
OVPLATFORM_EXPORT OvLogSink OvSetLogSink(OvLogSink sink);

// The log file: "ov.log" in the data folder, or the file named by OV_LOG_FILE. Each line holds
// the local time, the level and the text.
OVPLATFORM_EXPORT QString OvLogFilePath();
