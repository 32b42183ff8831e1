#pragma once

#include "kml/IcdItemIcon.h"
#include "kml/XmlMessageObject.h"

#include <string>

// How a feature shows in the places list. Element "ListStyle".
class OVCOORD_EXPORT CICD_LIST_STYLE : public CXmlMessageObject
{
public:
    static constexpr const char* kElement = "ListStyle";

    bool operator==(const CICD_LIST_STYLE& other) const;
    bool operator!=(const CICD_LIST_STYLE& other) const { return !(*this == other); }
    bool isEmpty() const override;
    SerTinyXml::TiXmlElement* serialize(CTinyXmlSerializer* serializer,
        SerTinyXml::TiXmlElement* parent, const char* name) override;
    // The content in write order (see KmlFields_p.h).
    template <class F> void fields(F& f);

    std::string bgColor;
    CICD_ITEM_ICON itemIcon;
};
