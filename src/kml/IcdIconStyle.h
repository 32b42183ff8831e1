#pragma once

#include "kml/IcdHotSpot.h"
#include "kml/IcdIcon.h"
#include "kml/XmlMessageObject.h"

#include <string>

// How point icons are drawn. Element "IconStyle".
class OVCOORD_EXPORT CICD_ICON_STYLE : public CXmlMessageObject
{
public:
    static constexpr const char* kElement = "IconStyle";

    bool operator==(const CICD_ICON_STYLE& other) const;
    bool operator!=(const CICD_ICON_STYLE& other) const { return !(*this == other); }
    bool isEmpty() const override;
    SerTinyXml::TiXmlElement* serialize(CTinyXmlSerializer* serializer,
        SerTinyXml::TiXmlElement* parent, const char* name) override;
    // The content in write order (see KmlFields_p.h).
    template <class F> void fields(F& f);

    std::string color;
    float scale = 0.0f;
    CICD_ICON icon;
    CICD_HOT_SPOT hotSpot;
};
