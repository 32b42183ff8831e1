#pragma once

#include "kml/XmlMessageObject.h"

#include <string>

// How labels are drawn. Element "LabelStyle".
class OVCOORD_EXPORT CICD_LABEL_STYLE : public CXmlMessageObject
{
public:
    static constexpr const char* kElement = "LabelStyle";

    bool operator==(const CICD_LABEL_STYLE& other) const;
    bool operator!=(const CICD_LABEL_STYLE& other) const { return !(*this == other); }
    bool isEmpty() const override;
    SerTinyXml::TiXmlElement* serialize(CTinyXmlSerializer* serializer,
        SerTinyXml::TiXmlElement* parent, const char* name) override;
    // The content in write order (see KmlFields_p.h).
    template <class F> void fields(F& f);

    std::string color;
    float scale = 0.0f;
};
