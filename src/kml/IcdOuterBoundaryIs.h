#pragma once

#include "OvCoordSystem/kml/IcdLinearRing.h"
#include "OvCoordSystem/kml/KmlElement.h"

#include <string>

// The outer boundary of a polygon. Element "outerBoundaryIs".
class OVCOORD_EXPORT CICD_OUTER_BOUNDARY_IS : public CXmlMessageObject
{
    OV_KML_ELEMENT(CICD_OUTER_BOUNDARY_IS, "outerBoundaryIs")
public:
    bool isEmpty() const override;

    CICD_LINEAR_RING linearRing;
};
