#pragma once

#include "OvCoordSystem/kml/KmlElement.h"

#include <string>

// The bounds of a region (degrees). Element "LatLonAltBox".
class OVCOORD_EXPORT CICD_LATLONALTBOX : public CXmlMessageObject
{
    OV_KML_ELEMENT(CICD_LATLONALTBOX, "LatLonAltBox")
public:
    bool isEmpty() const override;

    double north = 0.0;
    double south = 0.0;
    double east = 0.0;
    double west = 0.0;
    std::string altitudeMode;
};
