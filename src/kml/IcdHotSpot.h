#pragma once

#include "kml/XmlMessageObject.h"

#include <string>

// The point of an icon that sits on the location. Element "hotSpot".
class OVCOORD_EXPORT CICD_HOT_SPOT : public CXmlMessageObject
{
public:
    static constexpr const char* kElement = "hotSpot";

    bool operator==(const CICD_HOT_SPOT& other) const;
    bool operator!=(const CICD_HOT_SPOT& other) const { return !(*this == other); }
    bool isEmpty() const override;
    SerTinyXml::TiXmlElement* serialize(CTinyXmlSerializer* serializer,
        SerTinyXml::TiXmlElement* parent, const char* name) override;
    // The content in write order (see KmlFields_p.h).
    template <class F> void fields(F& f);

    double x = 0.0; // attribute "x"
    double y = 0.0; // attribute "y"
    std::string xunits; // attribute "xunits"
    std::string yunits; // attribute "yunits"
};
