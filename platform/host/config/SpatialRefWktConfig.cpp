#include "OvCoordSystem/host/config/SpatialRefWktConfig.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMap>
#include <QSaveFile>

namespace {

const QByteArray kGroup = QByteArrayLiteral("[SpatialRef]");

// Doubles are written with 17 significant digits, enough to read back the same value.
constexpr int kDoubleDigits = 17;

QString localPath(const std::string& path)
{
    return QString::fromLocal8Bit(path.data(), static_cast<int>(path.size()));
}

using Values = QMap<QByteArray, QByteArray>;

// Each reader leaves VALUE alone when the key is absent and fails when its text does not parse.
bool readBool(const Values& values, const char* key, bool& value)
{
    if (!values.contains(key)) return true;
    const QByteArray text = values.value(key);
    if (text != "true" && text != "false" && text != "1" && text != "0") return false;
    value = text == "true" || text == "1";
    return true;
}

bool readDouble(const Values& values, const char* key, double& value)
{
    if (!values.contains(key)) return true;
    bool ok = false;
    const double parsed = values.value(key).toDouble(&ok);
    if (ok) value = parsed;
    return ok;
}

bool readInt(const Values& values, const char* key, int& value)
{
    if (!values.contains(key)) return true;
    bool ok = false;
    const int parsed = values.value(key).toInt(&ok);
    if (ok) value = parsed;
    return ok;
}

void readText(const Values& values, const char* key, std::string& value)
{
    if (values.contains(key)) value = values.value(key).toStdString();
}

// The key/value pairs of the group; false when the group is missing or a line is no pair.
bool parse(const QByteArray& content, Values& values)
{
    bool inGroup = false;
    bool sawGroup = false;
    for (QByteArray line : content.split('\n')) {
        line = line.trimmed();
        if (line.isEmpty() || line.startsWith(';') || line.startsWith('#')) continue;
        if (line.startsWith('[')) {
            inGroup = line == kGroup;
            sawGroup = sawGroup || inGroup;
            continue;
        }
        const int equals = line.indexOf('=');
        if (equals <= 0) return false;
        if (inGroup) values.insert(line.left(equals).trimmed(), line.mid(equals + 1).trimmed());
    }
    return sawGroup;
}

bool apply(const Values& values, tagSpatialRefWktFields& f)
{
    readText(values, "Wkt", f.wkt);
    readText(values, "SevenData", f.sevenData);
    return readBool(values, "Save", f.save) && readDouble(values, "Meridian", f.meridian)
        && readInt(values, "Zone", f.zone)
        && readDouble(values, "LatitudeOfOrigin", f.latitudeOfOrigin)
        && readDouble(values, "FalseEasting", f.falseEasting)
        && readDouble(values, "FalseNorthing", f.falseNorthing);
}

QByteArray number(double value)
{
    return QByteArray::number(value, 'g', kDoubleDigits);
}

QByteArray format(const tagSpatialRefWktFields& f)
{
    QByteArray out = kGroup + '\n';
    out += "Save=" + QByteArray(f.save ? "true" : "false") + '\n';
    // One line per key: line breaks in the WKT (pretty-printed WKT has them) become spaces.
    QByteArray wkt = QByteArray::fromStdString(f.wkt);
    wkt.replace('\r', ' ').replace('\n', ' ');
    out += "Wkt=" + wkt + '\n';
    out += "Meridian=" + number(f.meridian) + '\n';
    out += "Zone=" + QByteArray::number(f.zone) + '\n';
    out += "LatitudeOfOrigin=" + number(f.latitudeOfOrigin) + '\n';
    out += "FalseEasting=" + number(f.falseEasting) + '\n';
    out += "FalseNorthing=" + number(f.falseNorthing) + '\n';
    out += "SevenData=" + QByteArray::fromStdString(f.sevenData) + '\n';
    return out;
}

} // namespace

bool CSpatialRefWktConfig::LoadConfigOrCreateIfNoExist(const std::string& path)
{
    if (path.empty()) return false;
    const QString file = localPath(path);
    if (!QFileInfo::exists(file)) return SaveParameter(path);
    QFile in(file);
    if (!in.open(QIODevice::ReadOnly)) return false;
    Values values;
    tagSpatialRefWktFields fields = m_fields;
    if (!parse(in.readAll(), values) || !apply(values, fields)) return false;
    m_fields = fields;
    return true;
}

bool CSpatialRefWktConfig::SaveParameter(const std::string& path) const
{
    if (path.empty()) return false;
    const QString file = localPath(path);
    if (!QDir().mkpath(QFileInfo(file).absolutePath())) return false;
    QSaveFile out(file);
    if (!out.open(QIODevice::WriteOnly)) return false;
    const QByteArray content = format(m_fields);
    if (out.write(content) != content.size()) {
        out.cancelWriting();
        return false;
    }
    return out.commit();
}

const tagSpatialRefWktFields& CSpatialRefWktConfig::GetFields() const
{
    return m_fields;
}

void CSpatialRefWktConfig::SetFields(const tagSpatialRefWktFields& fields)
{
    m_fields = fields;
}
