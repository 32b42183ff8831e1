#pragma once

#include "OvCoordSystem/kml/IcdLink.h"
#include "OvCoordSystem/kml/KmlElement.h"

#include <string>

// A link to KML elsewhere. Element "NetworkLink".
class OVCOORD_EXPORT CICD_NETWORKLINK : public CXmlMessageObject
{
    OV_KML_ELEMENT(CICD_NETWORKLINK, "NetworkLink")
public:
    bool isEmpty() const override;

    std::string name;
    std::string description;
    CICD_LINK link;
};
