#pragma once

#include "OvCoordSystem/kml/IcdDocument.h"
#include "OvCoordSystem/kml/IcdFolder.h"
#include "OvCoordSystem/kml/IcdPlacemark.h"
#include "OvCoordSystem/kml/KmlElement.h"

#include <string>
#include <vector>

// The root of a KML document. Element "kml".
class OVCOORD_EXPORT CICD_KML : public CXmlMessageObject
{
    OV_KML_ELEMENT(CICD_KML, "kml")
public:
    bool isEmpty() const override;

    std::string xmlns; // attribute "xmlns"
    std::string xmlnsGx; // attribute "xmlns:gx"
    std::string xmlnsKml; // attribute "xmlns:kml"
    std::string xmlnsAtom; // attribute "xmlns:atom"
    std::vector<CICD_DOCUMENT> documents; // "Document" elements
    std::vector<CICD_FOLDER> folders; // "Folder" elements
    std::vector<CICD_PLACEMARK> placemarks; // "Placemark" elements
};
