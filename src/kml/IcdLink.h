#pragma once

#include "kml/XmlMessageObject.h"

#include <string>

// Where a network link points. Element "Link".
class OVCOORD_EXPORT CICD_LINK : public CXmlMessageObject
{
public:
    static constexpr const char* kElement = "Link";

    bool operator==(const CICD_LINK& other) const;
    bool operator!=(const CICD_LINK& other) const { return !(*this == other); }
    bool isEmpty() const override;
    SerTinyXml::TiXmlElement* serialize(CTinyXmlSerializer* serializer,
        SerTinyXml::TiXmlElement* parent, const char* name) override;
    // The content in write order (see KmlFields_p.h).
    template <class F> void fields(F& f);

    std::string href;
};
