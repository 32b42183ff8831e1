#pragma once

#include "OvCoordSystem/kml/KmlElement.h"

#include <string>

// Where a network link points. Element "Link".
class OVCOORD_EXPORT CICD_LINK : public CXmlMessageObject
{
    OV_KML_ELEMENT(CICD_LINK, "Link")
public:
    bool isEmpty() const override;

    std::string href;
};
