#pragma once

#include "kml/XmlMessageObject.h"

#include <string>

// The level of detail at which a region shows. Element "Lod".
class OVCOORD_EXPORT CICD_LOD : public CXmlMessageObject
{
public:
    static constexpr const char* kElement = "Lod";

    bool operator==(const CICD_LOD& other) const;
    bool operator!=(const CICD_LOD& other) const { return !(*this == other); }
    bool isEmpty() const override;
    SerTinyXml::TiXmlElement* serialize(CTinyXmlSerializer* serializer,
        SerTinyXml::TiXmlElement* parent, const char* name) override;
    // The content in write order (see KmlFields_p.h).
    template <class F> void fields(F& f);

    int minLodPixels = 0;
};
