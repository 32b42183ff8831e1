#pragma once

#include "OvCoordSystem/kml/IcdGxTrack.h"
#include "OvCoordSystem/kml/IcdLineString.h"
#include "OvCoordSystem/kml/IcdLookAt.h"
#include "OvCoordSystem/kml/IcdMultiGeometry.h"
#include "OvCoordSystem/kml/IcdPoint.h"
#include "OvCoordSystem/kml/IcdPolygon.h"
#include "OvCoordSystem/kml/IcdStyle.h"
#include "OvCoordSystem/kml/KmlElement.h"

#include <string>

// A feature with a geometry, a view and an inline style. Element "Placemark".
class OVCOORD_EXPORT CICD_PLACEMARK : public CXmlMessageObject
{
    OV_KML_ELEMENT(CICD_PLACEMARK, "Placemark")
public:
    bool isEmpty() const override;

    std::string name;
    int visibility = 1;
    std::string description;
    std::string styleUrl;
    CICD_POINT point;
    CICD_LOOKAT lookAt;
    CICD_LINE_STRING lineString;
    CICD_POLYGON polygon;
    CICD_STYLE style;
    ICD_MULTIGEOMETRY multiGeometry;
    CICD_GX_TRACK track;
};
