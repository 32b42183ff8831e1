#pragma once

#include "kml/IcdLatLonAltBox.h"
#include "kml/IcdLod.h"
#include "kml/XmlMessageObject.h"

#include <string>

// Where and at which size content is shown. Element "Region".
class OVCOORD_EXPORT CICD_REGION : public CXmlMessageObject
{
public:
    static constexpr const char* kElement = "Region";

    bool operator==(const CICD_REGION& other) const;
    bool operator!=(const CICD_REGION& other) const { return !(*this == other); }
    bool isEmpty() const override;
    SerTinyXml::TiXmlElement* serialize(CTinyXmlSerializer* serializer,
        SerTinyXml::TiXmlElement* parent, const char* name) override;
    // The content in write order (see KmlFields_p.h).
    template <class F> void fields(F& f);

    CICD_LATLONALTBOX latLonAltBox;
    CICD_LOD lod;
};
