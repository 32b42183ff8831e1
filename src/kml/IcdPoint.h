#pragma once

#include "kml/XmlMessageObject.h"

#include <string>

// A point geometry. Element "Point".
class OVCOORD_EXPORT CICD_POINT : public CXmlMessageObject
{
public:
    static constexpr const char* kElement = "Point";

    bool operator==(const CICD_POINT& other) const;
    bool operator!=(const CICD_POINT& other) const { return !(*this == other); }
    bool isEmpty() const override;
    SerTinyXml::TiXmlElement* serialize(CTinyXmlSerializer* serializer,
        SerTinyXml::TiXmlElement* parent, const char* name) override;
    // The content in write order (see KmlFields_p.h).
    template <class F> void fields(F& f);

    std::string coordinates;
    int drawOrder = 1; // element "gx:drawOrder"
};
