#pragma once

#include "kml/XmlMessageObject.h"

#include <string>

// The icon of a list item. Element "ItemIcon".
class OVCOORD_EXPORT CICD_ITEM_ICON : public CXmlMessageObject
{
public:
    static constexpr const char* kElement = "ItemIcon";

    bool operator==(const CICD_ITEM_ICON& other) const;
    bool operator!=(const CICD_ITEM_ICON& other) const { return !(*this == other); }
    bool isEmpty() const override;
    SerTinyXml::TiXmlElement* serialize(CTinyXmlSerializer* serializer,
        SerTinyXml::TiXmlElement* parent, const char* name) override;
    // The content in write order (see KmlFields_p.h).
    template <class F> void fields(F& f);

    std::string href;
};
