#include "OvCoordSystem/geodesy/OvUuid.h"

#include <QUuid>

std::string OvCreateUUID()
{
    return QUuid::createUuid().toString(QUuid::WithoutBraces).toStdString();
}
