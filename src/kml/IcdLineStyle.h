#pragma once

#include "OvCoordSystem/kml/KmlElement.h"

#include <string>

// How lines are drawn. Element "LineStyle".
class OVCOORD_EXPORT CICD_LINE_STYLE : public CXmlMessageObject
{
    OV_KML_ELEMENT(CICD_LINE_STYLE, "LineStyle")
public:
    bool isEmpty() const override;

    std::string color;
    float width = 1.0f;
};
