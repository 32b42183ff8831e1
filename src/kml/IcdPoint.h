#pragma once

#include "OvCoordSystem/kml/KmlElement.h"

#include <string>

// A point geometry. Element "Point".
class OVCOORD_EXPORT CICD_POINT : public CXmlMessageObject
{
    OV_KML_ELEMENT(CICD_POINT, "Point")
public:
    bool isEmpty() const override;

    std::string coordinates;
    int drawOrder = 1; // element "gx:drawOrder"
};
