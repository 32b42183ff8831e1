#pragma once

#include "OvCoordSystem/kml/KmlElement.h"

#include <string>

// The view onto a feature. Element "LookAt".
class OVCOORD_EXPORT CICD_LOOKAT : public CXmlMessageObject
{
    OV_KML_ELEMENT(CICD_LOOKAT, "LookAt")
public:
    bool isEmpty() const override;

    double longitude = 0.0;
    double latitude = 0.0;
    double altitude = 0.0;
    double heading = 0.0;
    double tilt = 0.0;
    double range = 0.0;
    std::string altitudeMode; // element "gx:altitudeMode"
};
