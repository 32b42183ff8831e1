#pragma once

#include "kml/XmlMessageObject.h"

#include <string>

// An image reference. Element "Icon".
class OVCOORD_EXPORT CICD_ICON : public CXmlMessageObject
{
public:
    static constexpr const char* kElement = "Icon";

    bool operator==(const CICD_ICON& other) const;
    bool operator!=(const CICD_ICON& other) const { return !(*this == other); }
    bool isEmpty() const override;
    SerTinyXml::TiXmlElement* serialize(CTinyXmlSerializer* serializer,
        SerTinyXml::TiXmlElement* parent, const char* name) override;
    // The content in write order (see KmlFields_p.h).
    template <class F> void fields(F& f);

    std::string href;
    float viewBoundScale = 0.0f;
};
