#pragma once

#include "OvCoordSystem/kml/IcdHotSpot.h"
#include "OvCoordSystem/kml/IcdIcon.h"
#include "OvCoordSystem/kml/KmlElement.h"

#include <string>

// How point icons are drawn. Element "IconStyle".
class OVCOORD_EXPORT CICD_ICON_STYLE : public CXmlMessageObject
{
    OV_KML_ELEMENT(CICD_ICON_STYLE, "IconStyle")
public:
    bool isEmpty() const override;

    std::string color;
    float scale = 0.0f;
    CICD_ICON icon;
    CICD_HOT_SPOT hotSpot;
};
