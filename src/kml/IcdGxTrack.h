#pragma once

#include "kml/XmlMessageObject.h"

#include <string>
#include <vector>

// A track: one "gx:coord" text per entry. Element "gx:Track".
class OVCOORD_EXPORT CICD_GX_TRACK : public CXmlMessageObject
{
public:
    static constexpr const char* kElement = "gx:Track";

    bool operator==(const CICD_GX_TRACK& other) const;
    bool operator!=(const CICD_GX_TRACK& other) const { return !(*this == other); }
    bool isEmpty() const override;
    SerTinyXml::TiXmlElement* serialize(CTinyXmlSerializer* serializer,
        SerTinyXml::TiXmlElement* parent, const char* name) override;
    // The content in write order (see KmlFields_p.h).
    template <class F> void fields(F& f);

    std::vector<std::string> coords; // one "gx:coord" element each
};
