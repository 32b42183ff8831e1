#pragma once

#include "OvCoordSystem/kml/IcdLineString.h"
#include "OvCoordSystem/kml/IcdPoint.h"
#include "OvCoordSystem/kml/IcdPolygon.h"
#include "OvCoordSystem/kml/KmlElement.h"

#include <string>
#include <vector>

// Several geometries of one feature. Element "MultiGeometry".
class OVCOORD_EXPORT ICD_MULTIGEOMETRY : public CXmlMessageObject
{
    OV_KML_ELEMENT(ICD_MULTIGEOMETRY, "MultiGeometry")
public:
    bool isEmpty() const override;

    std::vector<CICD_LINE_STRING> lineStrings; // "LineString" elements
    std::vector<CICD_POINT> points; // "Point" elements
    std::vector<CICD_POLYGON> polygons; // "Polygon" elements
};
