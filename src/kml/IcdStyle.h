#pragma once

#include "kml/IcdIconStyle.h"
#include "kml/IcdLabelStyle.h"
#include "kml/IcdLineStyle.h"
#include "kml/IcdListStyle.h"
#include "kml/IcdPolyStyle.h"
#include "kml/XmlMessageObject.h"

#include <string>

// A style: icon, list, line, polygon and label styles. Element "Style".
class OVCOORD_EXPORT CICD_STYLE : public CXmlMessageObject
{
public:
    static constexpr const char* kElement = "Style";

    bool operator==(const CICD_STYLE& other) const;
    bool operator!=(const CICD_STYLE& other) const { return !(*this == other); }
    bool isEmpty() const override;
    SerTinyXml::TiXmlElement* serialize(CTinyXmlSerializer* serializer,
        SerTinyXml::TiXmlElement* parent, const char* name) override;
    // The content in write order (see KmlFields_p.h).
    template <class F> void fields(F& f);

    std::string id; // attribute "id"
    CICD_ICON_STYLE iconStyle;
    CICD_LIST_STYLE listStyle;
    CICD_LINE_STYLE lineStyle;
    CICD_POLY_STYLE polyStyle;
    CICD_LABEL_STYLE labelStyle;
};
