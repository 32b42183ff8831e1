#pragma once

#include "kml/XmlMessageObject.h"

#include <string>

// One key of a style map and its style. Element "Pair".
class OVCOORD_EXPORT CICD_PAIR : public CXmlMessageObject
{
public:
    static constexpr const char* kElement = "Pair";

    bool operator==(const CICD_PAIR& other) const;
    bool operator!=(const CICD_PAIR& other) const { return !(*this == other); }
    bool isEmpty() const override;
    SerTinyXml::TiXmlElement* serialize(CTinyXmlSerializer* serializer,
        SerTinyXml::TiXmlElement* parent, const char* name) override;
    // The content in write order (see KmlFields_p.h).
    template <class F> void fields(F& f);

    std::string key;
    std::string styleUrl;
};
