#pragma once

#include "OvCoordSystem/kml/IcdGroundOverlay.h"
#include "OvCoordSystem/kml/IcdPlacemark.h"
#include "OvCoordSystem/kml/IcdStyle.h"
#include "OvCoordSystem/kml/IcdStyleMap.h"
#include "OvCoordSystem/kml/KmlElement.h"

#include <string>
#include <vector>

class CICD_DOCUMENT;

// A folder of features. Element "Folder".
class OVCOORD_EXPORT CICD_FOLDER : public CXmlMessageObject
{
    OV_KML_ELEMENT(CICD_FOLDER, "Folder")
public:
    CICD_FOLDER();
    CICD_FOLDER(const CICD_FOLDER& other);
    CICD_FOLDER(CICD_FOLDER&& other) noexcept;
    CICD_FOLDER& operator=(const CICD_FOLDER& other);
    CICD_FOLDER& operator=(CICD_FOLDER&& other) noexcept;
    ~CICD_FOLDER() override;

    std::string name; // first "name" element
    std::string secondName; // second "name" element
    int visibility = 1;
    int open = 0;
    std::vector<CICD_PLACEMARK> placemarks; // "Placemark" elements
    std::vector<CICD_DOCUMENT> documents; // "Document" elements
    std::vector<CICD_FOLDER> folders; // "Folder" elements
    std::vector<CICD_STYLE> styles; // "Style" elements
    std::vector<CICD_STYLE_MAP> styleMaps; // "StyleMap" elements
    std::vector<CICD_GROUNDOVERLAY> groundOverlays; // "GroundOverlay" elements
};

// Either header gives both classes complete.
#include "OvCoordSystem/kml/IcdDocument.h"
