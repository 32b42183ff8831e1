#pragma once

#include "OvCoordSystem/kml/KmlElement.h"

#include <string>

// One key of a style map and its style. Element "Pair".
class OVCOORD_EXPORT CICD_PAIR : public CXmlMessageObject
{
    OV_KML_ELEMENT(CICD_PAIR, "Pair")
public:
    bool isEmpty() const override;

    std::string key;
    std::string styleUrl;
};
