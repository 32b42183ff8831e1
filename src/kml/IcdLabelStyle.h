#pragma once

#include "OvCoordSystem/kml/KmlElement.h"

#include <string>

// How labels are drawn. Element "LabelStyle".
class OVCOORD_EXPORT CICD_LABEL_STYLE : public CXmlMessageObject
{
    OV_KML_ELEMENT(CICD_LABEL_STYLE, "LabelStyle")
public:
    bool isEmpty() const override;

    std::string color;
    float scale = 0.0f;
};
