#pragma once

#include "kml/XmlMessageObject.h"

#include <string>

// How polygons are filled. Element "PolyStyle".
class OVCOORD_EXPORT CICD_POLY_STYLE : public CXmlMessageObject
{
public:
    static constexpr const char* kElement = "PolyStyle";

    bool operator==(const CICD_POLY_STYLE& other) const;
    bool operator!=(const CICD_POLY_STYLE& other) const { return !(*this == other); }
    bool isEmpty() const override;
    SerTinyXml::TiXmlElement* serialize(CTinyXmlSerializer* serializer,
        SerTinyXml::TiXmlElement* parent, const char* name) override;
    // The content in write order (see KmlFields_p.h).
    template <class F> void fields(F& f);

    std::string color;
    int fill = 1;
};
