#pragma once

#include "kml/XmlMessageObject.h"

#include <string>

// A line geometry. Element "LineString".
class OVCOORD_EXPORT CICD_LINE_STRING : public CXmlMessageObject
{
public:
    static constexpr const char* kElement = "LineString";

    bool operator==(const CICD_LINE_STRING& other) const;
    bool operator!=(const CICD_LINE_STRING& other) const { return !(*this == other); }
    bool isEmpty() const override;
    SerTinyXml::TiXmlElement* serialize(CTinyXmlSerializer* serializer,
        SerTinyXml::TiXmlElement* parent, const char* name) override;
    // The content in write order (see KmlFields_p.h).
    template <class F> void fields(F& f);

    int tessellate = 1;
    std::string coordinates;
};
