#pragma once

#include "kml/IcdIcon.h"
#include "kml/IcdLatLonBox.h"
#include "kml/IcdRegion.h"
#include "kml/XmlMessageObject.h"

#include <string>

// An image draped over the ground. Element "GroundOverlay".
class OVCOORD_EXPORT CICD_GROUNDOVERLAY : public CXmlMessageObject
{
public:
    static constexpr const char* kElement = "GroundOverlay";

    bool operator==(const CICD_GROUNDOVERLAY& other) const;
    bool operator!=(const CICD_GROUNDOVERLAY& other) const { return !(*this == other); }
    bool isEmpty() const override;
    SerTinyXml::TiXmlElement* serialize(CTinyXmlSerializer* serializer,
        SerTinyXml::TiXmlElement* parent, const char* name) override;
    // The content in write order (see KmlFields_p.h).
    template <class F> void fields(F& f);

    std::string name;
    std::string description;
    std::string color;
    std::string altitudeMode;
    CICD_REGION region;
    CICD_ICON icon;
    CICD_LATLONBOX latLonBox;
};
