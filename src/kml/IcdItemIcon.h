#pragma once

#include "OvCoordSystem/kml/KmlElement.h"

#include <string>

// The icon of a list item. Element "ItemIcon".
class OVCOORD_EXPORT CICD_ITEM_ICON : public CXmlMessageObject
{
    OV_KML_ELEMENT(CICD_ITEM_ICON, "ItemIcon")
public:
    bool isEmpty() const override;

    std::string href;
};
