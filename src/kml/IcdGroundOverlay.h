#pragma once

#include "OvCoordSystem/kml/IcdIcon.h"
#include "OvCoordSystem/kml/IcdLatLonBox.h"
#include "OvCoordSystem/kml/IcdRegion.h"
#include "OvCoordSystem/kml/KmlElement.h"

#include <string>

// An image draped over the ground. Element "GroundOverlay".
class OVCOORD_EXPORT CICD_GROUNDOVERLAY : public CXmlMessageObject
{
    OV_KML_ELEMENT(CICD_GROUNDOVERLAY, "GroundOverlay")
public:
    bool isEmpty() const override;

    std::string name;
    std::string description;
    std::string color;
    std::string altitudeMode;
    CICD_REGION region;
    CICD_ICON icon;
    CICD_LATLONBOX latLonBox;
};
