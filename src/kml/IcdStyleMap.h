#pragma once

#include "OvCoordSystem/kml/IcdPair.h"
#include "OvCoordSystem/kml/KmlElement.h"

#include <string>
#include <vector>

// Styles chosen by key (normal, highlight). Element "StyleMap".
class OVCOORD_EXPORT CICD_STYLE_MAP : public CXmlMessageObject
{
    OV_KML_ELEMENT(CICD_STYLE_MAP, "StyleMap")
public:
    bool isEmpty() const override;

    std::string id; // attribute "id"
    std::vector<CICD_PAIR> pairs; // "Pair" elements
};
