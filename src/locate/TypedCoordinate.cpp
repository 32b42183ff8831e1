#include "OvCoordSystem/locate/TypedCoordinate_p.h"

#include "OvCoordSystem/coord/CoordValid.h"

#include <QStringList>

int TypedPrecision(const QString& value)
{
    const QStringList parts = value.split(QLatin1Char('.'));
    return parts.size() == 2 ? qMin(parts[1].size(), 12) : 6;
}

bool ReadTypedCoordinate(const QString& text, E_DEGREE_FOARMAT format, TypedCoordinate* point)
{
    QString lng;
    QString lat;
    if (!CCoordValid::GetInstance()->GetLB(text, lng, lat, format)) return false;
    point->x = lng.toDouble();
    point->y = lat.toDouble();
    point->title = QStringLiteral("%1,%2")
                       .arg(point->x, 0, 'f', TypedPrecision(lng))
                       .arg(point->y, 0, 'f', TypedPrecision(lat));
    return true;
}
