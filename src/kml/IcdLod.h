#pragma once

#include "OvCoordSystem/kml/KmlElement.h"

#include <string>

// The level of detail at which a region shows. Element "Lod".
class OVCOORD_EXPORT CICD_LOD : public CXmlMessageObject
{
    OV_KML_ELEMENT(CICD_LOD, "Lod")
public:
    bool isEmpty() const override;

    int minLodPixels = 0;
};
