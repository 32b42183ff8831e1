#pragma once

#include "OvCoordSystem/kml/IcdOuterBoundaryIs.h"
#include "OvCoordSystem/kml/KmlElement.h"

#include <string>

// A polygon geometry with its outer boundary. Element "Polygon".
class OVCOORD_EXPORT CICD_POLYGON : public CXmlMessageObject
{
    OV_KML_ELEMENT(CICD_POLYGON, "Polygon")
public:
    bool isEmpty() const override;

    int tessellate = 1;
    CICD_OUTER_BOUNDARY_IS outerBoundaryIs;
};
