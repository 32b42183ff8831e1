#pragma once

#include "OvCoordSystem/kml/IcdNetworkLink.h"
#include "OvCoordSystem/kml/IcdPlacemark.h"
#include "OvCoordSystem/kml/IcdStyle.h"
#include "OvCoordSystem/kml/IcdStyleMap.h"
#include "OvCoordSystem/kml/KmlElement.h"

#include <string>
#include <vector>

class CICD_FOLDER;

// A document: named content with its shared styles. Element "Document".
class OVCOORD_EXPORT CICD_DOCUMENT : public CXmlMessageObject
{
    OV_KML_ELEMENT(CICD_DOCUMENT, "Document")
public:
    CICD_DOCUMENT();
    CICD_DOCUMENT(const CICD_DOCUMENT& other);
    CICD_DOCUMENT(CICD_DOCUMENT&& other) noexcept;
    CICD_DOCUMENT& operator=(const CICD_DOCUMENT& other);
    CICD_DOCUMENT& operator=(CICD_DOCUMENT&& other) noexcept;
    ~CICD_DOCUMENT() override;

    std::string name;
    int visibility = 1;
    int open = 0;
    std::vector<CICD_PLACEMARK> placemarks; // "Placemark" elements
    std::vector<CICD_NETWORKLINK> networkLinks; // "NetworkLink" elements
    std::vector<CICD_FOLDER> folders; // "Folder" elements
    std::vector<CICD_STYLE> styles; // "Style" elements
    std::vector<CICD_STYLE_MAP> styleMaps; // "StyleMap" elements
    std::vector<CICD_DOCUMENT> documents; // "Document" elements
};

// Either header gives both classes complete.
#include "OvCoordSystem/kml/IcdFolder.h"
