#pragma once

#include "kml/XmlMessageObject.h"

#include <string>

// How lines are drawn. Element "LineStyle".
class OVCOORD_EXPORT CICD_LINE_STYLE : public CXmlMessageObject
{
public:
    static constexpr const char* kElement = "LineStyle";

    bool operator==(const CICD_LINE_STYLE& other) const;
    bool operator!=(const CICD_LINE_STYLE& other) const { return !(*this == other); }
    bool isEmpty() const override;
    SerTinyXml::TiXmlElement* serialize(CTinyXmlSerializer* serializer,
        SerTinyXml::TiXmlElement* parent, const char* name) override;
    // The content in write order (see KmlFields_p.h).
    template <class F> void fields(F& f);

    std::string color;
    float width = 1.0f;
};
