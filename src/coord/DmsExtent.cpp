#include "OvCoordSystem/coord/DmsExtent.h"

#include "OvCoordSystem/coord/CoordValid.h"

#include <QStringList>

namespace {
// Bounds of a geographic corner (degrees).
constexpr double kLongitudeLimit = 180.0;
constexpr double kLatitudeLimit = 90.0;

std::string local8Bit(const QString& text)
{
    return text.toLocal8Bit().toStdString();
}

QString fromLocal8Bit(const std::string& text)
{
    return QString::fromLocal8Bit(text.data(), static_cast<int>(text.size()));
}

// TEXT split at "," into exactly two values; false otherwise (empty values are kept).
bool splitCorner(const QString& text, QStringList& values)
{
    if (!text.contains(QLatin1Char(','))) return false;
    values = text.split(QLatin1Char(','));
    return values.size() == 2;
}
} // namespace

void CDmsExtent::Clear()
{
    *this = CDmsExtent();
}

bool CDmsExtent::IsValid() const
{
    const auto within
        = [](double value, double limit) { return value >= -limit && value <= limit; };
    return within(m_minLng.GetDegree(), kLongitudeLimit)
        && within(m_maxLng.GetDegree(), kLongitudeLimit)
        && within(m_minLat.GetDegree(), kLatitudeLimit)
        && within(m_maxLat.GetDegree(), kLatitudeLimit)
        && m_minLng.GetDegree() <= m_maxLng.GetDegree()
        && m_minLat.GetDegree() <= m_maxLat.GetDegree();
}

void CDmsExtent::SetMinPointF(const QPointF& point)
{
    m_minLng.SetDegree(point.x());
    m_minLat.SetDegree(point.y());
}

void CDmsExtent::SetMaxPointF(const QPointF& point)
{
    m_maxLng.SetDegree(point.x());
    m_maxLat.SetDegree(point.y());
}

QPointF CDmsExtent::GetMinPointF() const
{
    return QPointF(m_minLng.GetDegree(), m_minLat.GetDegree());
}

QPointF CDmsExtent::GetMaxPointF() const
{
    return QPointF(m_maxLng.GetDegree(), m_maxLat.GetDegree());
}

bool CDmsExtent::FromMinPointF(const QString& text, E_DEGREE_FOARMAT format, bool storeFirst)
{
    return fromPointF(MinCorner, text, format, storeFirst);
}

bool CDmsExtent::FromMaxPointF(const QString& text, E_DEGREE_FOARMAT format, bool storeFirst)
{
    return fromPointF(MaxCorner, text, format, storeFirst);
}

QString CDmsExtent::ToMinPointF(E_DEGREE_FOARMAT format) const
{
    return toPointF(MinCorner, format);
}

QString CDmsExtent::ToMaxPointF(E_DEGREE_FOARMAT format) const
{
    return toPointF(MaxCorner, format);
}

bool CDmsExtent::fromPointF(
    Corner corner, const QString& text, E_DEGREE_FOARMAT format, bool storeFirst)
{
    QStringList values;
    if (!splitCorner(text, values)) return false;
    CEkDegree lng;
    CEkDegree lat;
    if (!lng.FromFormat(format, local8Bit(values[0]))
        || !lat.FromFormat(format, local8Bit(values[1])))
        return false;
    const double x = lng.GetDegree();
    const double y = lat.GetDegree();
    if (x < -kLongitudeLimit || x > kLongitudeLimit || y < -kLatitudeLimit || y > kLatitudeLimit)
        return false;

    CEkDegree& storedLng = corner == MinCorner ? m_minLng : m_maxLng;
    CEkDegree& storedLat = corner == MinCorner ? m_minLat : m_maxLat;
    if (storeFirst) {
        storedLng = lng;
        storedLat = lat;
    }
    const bool beyond = corner == MinCorner ? x > m_maxLng.GetDegree() || y > m_maxLat.GetDegree()
                                            : x < m_minLng.GetDegree() || y < m_minLat.GetDegree();
    if (beyond) return false;
    const CCoordValid* valid = CCoordValid::GetInstance();
    if (!valid->IsValid(values[0], format, NUM_LNG) || !valid->IsValid(values[1], format, NUM_LAT))
        return false;
    storedLng = lng;
    storedLat = lat;
    return true;
}

QString CDmsExtent::toPointF(Corner corner, E_DEGREE_FOARMAT format) const
{
    const CEkDegree& lng = corner == MinCorner ? m_minLng : m_maxLng;
    const CEkDegree& lat = corner == MinCorner ? m_minLat : m_maxLat;
    return QStringLiteral("%1,%2").arg(
        fromLocal8Bit(lng.ToString(format)), fromLocal8Bit(lat.ToString(format)));
}

QString CDmsExtent::DmsConvert(
    const QString& text, E_DEGREE_FOARMAT& source, E_DEGREE_FOARMAT target) const
{
    if (text.contains(QStringLiteral("°"))) source = DEGREE_SYMBOLS;
    if (text.contains(QLatin1Char(':'))) source = DEGREE_COLONS;
    if (source == target) return text;
    QStringList values;
    if (!splitCorner(text, values)) return QString();
    QStringList converted;
    for (const QString& value : values) {
        CEkDegree degree;
        degree.FromFormat(source, local8Bit(value));
        converted.append(fromLocal8Bit(degree.ToString(target)));
    }
    return QStringLiteral("%1,%2").arg(converted[0], converted[1]);
}
