#pragma once

#include "OvCoordSystem/kml/KmlElement.h"

#include <string>

// A line geometry. Element "LineString".
class OVCOORD_EXPORT CICD_LINE_STRING : public CXmlMessageObject
{
    OV_KML_ELEMENT(CICD_LINE_STRING, "LineString")
public:
    bool isEmpty() const override;

    int tessellate = 1;
    std::string coordinates;
};
