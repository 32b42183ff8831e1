#pragma once

#include "OvCoordSystem/kml/IcdItemIcon.h"
#include "OvCoordSystem/kml/KmlElement.h"

#include <string>

// How a feature shows in the places list. Element "ListStyle".
class OVCOORD_EXPORT CICD_LIST_STYLE : public CXmlMessageObject
{
    OV_KML_ELEMENT(CICD_LIST_STYLE, "ListStyle")
public:
    bool isEmpty() const override;

    std::string bgColor;
    CICD_ITEM_ICON itemIcon;
};
