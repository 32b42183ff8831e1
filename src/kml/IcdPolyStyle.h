#pragma once

#include "OvCoordSystem/kml/KmlElement.h"

#include <string>

// How polygons are filled. Element "PolyStyle".
class OVCOORD_EXPORT CICD_POLY_STYLE : public CXmlMessageObject
{
    OV_KML_ELEMENT(CICD_POLY_STYLE, "PolyStyle")
public:
    bool isEmpty() const override;

    std::string color;
    int fill = 1;
};
