#pragma once

#include "kml/IcdLink.h"
#include "kml/XmlMessageObject.h"

#include <string>

// A link to KML elsewhere. Element "NetworkLink".
class OVCOORD_EXPORT CICD_NETWORKLINK : public CXmlMessageObject
{
public:
    static constexpr const char* kElement = "NetworkLink";

    bool operator==(const CICD_NETWORKLINK& other) const;
    bool operator!=(const CICD_NETWORKLINK& other) const { return !(*this == other); }
    bool isEmpty() const override;
    SerTinyXml::TiXmlElement* serialize(CTinyXmlSerializer* serializer,
        SerTinyXml::TiXmlElement* parent, const char* name) override;
    // The content in write order (see KmlFields_p.h).
    template <class F> void fields(F& f);

    std::string name;
    std::string description;
    CICD_LINK link;
};
