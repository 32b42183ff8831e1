#pragma once

#include "kml/IcdPair.h"
#include "kml/XmlMessageObject.h"

#include <string>
#include <vector>

// Styles chosen by key (normal, highlight). Element "StyleMap".
class OVCOORD_EXPORT CICD_STYLE_MAP : public CXmlMessageObject
{
public:
    static constexpr const char* kElement = "StyleMap";

    bool operator==(const CICD_STYLE_MAP& other) const;
    bool operator!=(const CICD_STYLE_MAP& other) const { return !(*this == other); }
    bool isEmpty() const override;
    SerTinyXml::TiXmlElement* serialize(CTinyXmlSerializer* serializer,
        SerTinyXml::TiXmlElement* parent, const char* name) override;
    // The content in write order (see KmlFields_p.h).
    template <class F> void fields(F& f);

    std::string id; // attribute "id"
    std::vector<CICD_PAIR> pairs; // "Pair" elements
};
