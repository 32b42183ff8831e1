#pragma once

#include "OvCoordSystem/kml/IcdIconStyle.h"
#include "OvCoordSystem/kml/IcdLabelStyle.h"
#include "OvCoordSystem/kml/IcdLineStyle.h"
#include "OvCoordSystem/kml/IcdListStyle.h"
#include "OvCoordSystem/kml/IcdPolyStyle.h"
#include "OvCoordSystem/kml/KmlElement.h"

#include <string>

// A style: icon, list, line, polygon and label styles. Element "Style".
class OVCOORD_EXPORT CICD_STYLE : public CXmlMessageObject
{
    OV_KML_ELEMENT(CICD_STYLE, "Style")
public:
    bool isEmpty() const override;

    std::string id; // attribute "id"
    CICD_ICON_STYLE iconStyle;
    CICD_LIST_STYLE listStyle;
    CICD_LINE_STYLE lineStyle;
    CICD_POLY_STYLE polyStyle;
    CICD_LABEL_STYLE labelStyle;
};
