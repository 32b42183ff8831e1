#pragma once

#include "OvCoordSystem/kml/IcdLatLonAltBox.h"
#include "OvCoordSystem/kml/IcdLod.h"
#include "OvCoordSystem/kml/KmlElement.h"

#include <string>

// Where and at which size content is shown. Element "Region".
class OVCOORD_EXPORT CICD_REGION : public CXmlMessageObject
{
    OV_KML_ELEMENT(CICD_REGION, "Region")
public:
    bool isEmpty() const override;

    CICD_LATLONALTBOX latLonAltBox;
    CICD_LOD lod;
};
