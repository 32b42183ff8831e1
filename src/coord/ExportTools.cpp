#include "OvCoordSystem/coord/ExportTools.h"

#include "OvCoordSystem/host/DownloadTask.h"
#include "OvCoordSystem/host/Tools.h"

#include <QCryptographicHash>
#include <QTextCodec>

namespace {
// Doubles enter the task identity in 'g' format with six significant digits.
constexpr int kIdentityDigits = 6;

QString identityNumber(double value)
{
    return QString::number(value, 'g', kIdentityDigits);
}
} // namespace

VECTOR_COORDSYS I_ExportTools::getOriginalType(int mapType)
{
    if (Tools::isWGS(mapType)) return VECTOR_WGS84_LNGLAT;
    if (Tools::getOffsetType(mapType, 0) == 1) return VECTOR_GCJ02_WEB_MERCATOR;
    if (Tools::isBaidu(mapType)) return VECTOR_BD09_WEB_MERCATOR;
    return VECTOR_WGS84_WEB_MERCATOR;
}

QString I_ExportTools::getExportCoordName(VECTOR_COORDSYS coordSys)
{
    switch (coordSys) {
    case VECTOR_BEIJING54_GAUSS:
        return QStringLiteral("Beijing 1954 GK坐标系");
    case VECTOR_XIAN80_GAUSS:
        return QStringLiteral("Xian 1980 GK坐标系");
    case VECTOR_CGCS2000_GAUSS:
        return QStringLiteral("CGCS 2000 GK托坐标系");
    case VECTOR_WGS84_LNGLAT:
        return QStringLiteral("WGS84坐标系（经纬度坐标）");
    case VECTOR_WGS84_WEB_MERCATOR:
        return QStringLiteral("Web墨卡托坐标系");
    case VECTOR_BD09_WEB_MERCATOR:
        return QStringLiteral("BD09墨卡托坐标系");
    case VECTOR_GCJ02_WEB_MERCATOR:
        return QStringLiteral("GCJ02墨卡托坐标系");
    default:
        return QString();
    }
}

bool I_ExportTools::getIsWgS84OrWebMC(VECTOR_COORDSYS coordSys)
{
    switch (coordSys) {
    case VECTOR_WGS84_LNGLAT:
    case VECTOR_WGS84_WEB_MERCATOR:
    case VECTOR_BD09_WEB_MERCATOR:
    case VECTOR_GCJ02_WEB_MERCATOR:
        return true;
    default:
        return false;
    }
}

QString I_ExportTools::getTaskId(const DownloadTask& task)
{
    QString name = task.name;
    name.remove(QStringLiteral("_标签"));
    // Chained arg() on purpose: each value fills the lowest marker left, including markers that
    // an earlier value (the name) brought in. Stored task identities depend on this.
    QString text = QStringLiteral("%1%2%3%4%5%6%7%8")
                       .arg(task.imageType)
                       .arg(name)
                       .arg(task.mapType)
                       .arg(task.exportType)
                       .arg(task.createTime)
                       .arg(task.extent[0], 0, 'g', kIdentityDigits)
                       .arg(task.extent[1], 0, 'g', kIdentityDigits)
                       .arg(task.extent[2], 0, 'g', kIdentityDigits);
    for (const int level : task.levels)
        text += QString::number(level);
    for (const QPolygonF& polygon : task.polygons) {
        for (const QPointF& point : polygon)
            text += identityNumber(point.x()) + identityNumber(point.y());
    }
    const QByteArray bytes = QTextCodec::codecForName("GB18030")->fromUnicode(text);
    return QString::fromLatin1(QCryptographicHash::hash(bytes, QCryptographicHash::Md5).toHex());
}
