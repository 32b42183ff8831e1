#pragma once

#include "OvCoordSystem/kml/KmlElement.h"

#include <string>

// An image reference. Element "Icon".
class OVCOORD_EXPORT CICD_ICON : public CXmlMessageObject
{
    OV_KML_ELEMENT(CICD_ICON, "Icon")
public:
    bool isEmpty() const override;

    std::string href;
    float viewBoundScale = 0.0f;
};
