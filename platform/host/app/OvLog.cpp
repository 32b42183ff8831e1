#include "OvCoordSystem/host/app/OvLog.h"

#include "OvCoordSystem/host/app/OvCoreApplication.h"

#include <QDateTime>
#include <QFile>
#include <QMutex>
#include <QMutexLocker>
#include <QTextCodec>

#include <utility>

namespace {

struct LogState
{
    QMutex mutex;
    OvLogSink sink;
};

LogState& state()
{
    static LogState s;
    return s;
}

const char* levelName(OvLogLevel level)
{
    switch (level) {
    case OvLogLevel::Error:
        return "ERROR";
    case OvLogLevel::Warn:
        return "WARN";
    case OvLogLevel::Info:
        return "INFO";
    }
    return "INFO";
}

void appendToFile(OvLogLevel level, int id, const std::string& text)
{
    QFile file(OvLogFilePath());
    if (!file.open(QIODevice::WriteOnly | QIODevice::Append))
        return; // a log that cannot be written must not disturb the caller
    QByteArray line = QDateTime::currentDateTime()
                          .toString(QStringLiteral("yyyy-MM-dd HH:mm:ss.zzz"))
                          .toLatin1();
    line += " [";
    line += levelName(level);
    line += "]";
    if (id != -1) line += " (" + QByteArray::number(id) + ")";
    line += ' ';
    line += QByteArray::fromStdString(text);
    line += '\n';
    file.write(line);
}

} // namespace

COvLogObject::COvLogObject(OvLogLevel level, int id)
    : m_level(level)
    , m_id(id)
{ }

COvLogObject::COvLogObject(COvLogObject&& other) noexcept
    : m_level(other.m_level)
    , m_id(other.m_id)
    , m_text(std::move(other.m_text))
    , m_active(other.m_active)
{
    other.m_active = false;
}

COvLogObject::~COvLogObject()
{
    if (!m_active) return;
    LogState& s = state();
    QMutexLocker lock(&s.mutex);
    if (s.sink)
        s.sink(m_level, m_text);
    else
        appendToFile(m_level, m_id, m_text);
}

COvLogObject& COvLogObject::operator<<(const char* text)
{
    if (text) m_text += text;
    return *this;
}

COvLogObject& COvLogObject::operator<<(const std::string& text)
{
    m_text += text;
    return *this;
}

COvLogObject& COvLogObject::operator<<(const QString& text)
{
    static QTextCodec* const gb18030 = QTextCodec::codecForName("GB18030");
    m_text += gb18030->fromUnicode(text).toStdString();
    return *this;
}

COvLogObject& COvLogObject::operator<<(long long value)
{
    m_text += std::to_string(value);
    return *this;
}

COvLogObject& COvLogObject::operator<<(double value)
{
    m_text += QByteArray::number(value, 'g', 15).toStdString();
    return *this;
}

COvLogObject OvLogError(int id)
{
    return COvLogObject(OvLogLevel::Error, id);
}

COvLogObject OvLogWarn(int id)
{
    return COvLogObject(OvLogLevel::Warn, id);
}

COvLogObject OvLogInfo(int id)
{
    return COvLogObject(OvLogLevel::Info, id);
}

OvLogSink OvSetLogSink(OvLogSink sink)
{
    LogState& s = state();
    QMutexLocker lock(&s.mutex);
    return std::exchange(s.sink, std::move(sink));
}

QString OvLogFilePath()
{
    const QString configured = qEnvironmentVariable("OV_LOG_FILE");
    if (!configured.isEmpty()) return configured;
    return QFile::decodeName(COvCoreApplication::GetInstance()->GetDataDir().c_str())
        + QStringLiteral("ov.log");
}
