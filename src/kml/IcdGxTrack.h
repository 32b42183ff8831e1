#pragma once

#include "OvCoordSystem/kml/KmlElement.h"

#include <string>
#include <vector>

// A track: one "gx:coord" text per entry. Element "gx:Track".
class OVCOORD_EXPORT CICD_GX_TRACK : public CXmlMessageObject
{
    OV_KML_ELEMENT(CICD_GX_TRACK, "gx:Track")
public:
    bool isEmpty() const override;

    std::vector<std::string> coords; // one "gx:coord" element each
};
