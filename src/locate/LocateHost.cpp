#include "OvCoordSystem/locate/LocateHost_p.h"

#include "OvCoordSystem/host/annotation/GeometryData.h"
#include "OvCoordSystem/host/app/TextConvert.h"

std::string ToHostText(const QString& text)
{
    return ConvertQStringToStdString(text, "GB18030");
}

QPolygonF PartPolygon(const CGeometryData& part)
{
    QPolygonF polygon;
    polygon.reserve(part.GetSize());
    for (const CVector3D& point : part.GetPoints())
        polygon.append(QPointF(point.x, point.y));
    return polygon;
}
