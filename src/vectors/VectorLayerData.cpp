#include "OvCoordSystem/vectors/VectorLayerData.h"

#include <QUuid>

VectorLayerData::VectorLayerData()
    : id(QUuid::createUuid().toString())
{ }
