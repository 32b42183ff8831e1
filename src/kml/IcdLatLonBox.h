#pragma once

#include "OvCoordSystem/kml/KmlElement.h"

#include <string>

// The bounds of a ground overlay (degrees). Element "LatLonBox".
class OVCOORD_EXPORT CICD_LATLONBOX : public CXmlMessageObject
{
    OV_KML_ELEMENT(CICD_LATLONBOX, "LatLonBox")
public:
    bool isEmpty() const override;

    double north = 0.0;
    double south = 0.0;
    double east = 0.0;
    double west = 0.0;
    double rotation = 0.0;
};
