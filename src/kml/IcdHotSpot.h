#pragma once

#include "OvCoordSystem/kml/KmlElement.h"

#include <string>

// The point of an icon that sits on the location. Element "hotSpot".
class OVCOORD_EXPORT CICD_HOT_SPOT : public CXmlMessageObject
{
    OV_KML_ELEMENT(CICD_HOT_SPOT, "hotSpot")
public:
    bool isEmpty() const override;

    double x = 0.0; // attribute "x"
    double y = 0.0; // attribute "y"
    std::string xunits; // attribute "xunits"
    std::string yunits; // attribute "yunits"
};
