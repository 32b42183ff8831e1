#pragma once

#include "OvCoordSystem/kml/KmlElement.h"

#include <string>

// A closed ring of points. Element "LinearRing".
class OVCOORD_EXPORT CICD_LINEAR_RING : public CXmlMessageObject
{
    OV_KML_ELEMENT(CICD_LINEAR_RING, "LinearRing")
public:
    bool isEmpty() const override;

    std::string coordinates;
};
