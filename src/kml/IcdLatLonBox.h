#pragma once

#include "kml/XmlMessageObject.h"

#include <string>

// The bounds of a ground overlay (degrees). Element "LatLonBox".
class OVCOORD_EXPORT CICD_LATLONBOX : public CXmlMessageObject
{
public:
    static constexpr const char* kElement = "LatLonBox";

    bool operator==(const CICD_LATLONBOX& other) const;
    bool operator!=(const CICD_LATLONBOX& other) const { return !(*this == other); }
    bool isEmpty() const override;
    SerTinyXml::TiXmlElement* serialize(CTinyXmlSerializer* serializer,
        SerTinyXml::TiXmlElement* parent, const char* name) override;
    // The content in write order (see KmlFields_p.h).
    template <class F> void fields(F& f);

    double north = 0.0;
    double south = 0.0;
    double east = 0.0;
    double west = 0.0;
    double rotation = 0.0;
};
