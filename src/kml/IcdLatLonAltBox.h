#pragma once

#include "kml/XmlMessageObject.h"

#include <string>

// The bounds of a region (degrees). Element "LatLonAltBox".
class OVCOORD_EXPORT CICD_LATLONALTBOX : public CXmlMessageObject
{
public:
    static constexpr const char* kElement = "LatLonAltBox";

    bool operator==(const CICD_LATLONALTBOX& other) const;
    bool operator!=(const CICD_LATLONALTBOX& other) const { return !(*this == other); }
    bool isEmpty() const override;
    SerTinyXml::TiXmlElement* serialize(CTinyXmlSerializer* serializer,
        SerTinyXml::TiXmlElement* parent, const char* name) override;
    // The content in write order (see KmlFields_p.h).
    template <class F> void fields(F& f);

    double north = 0.0;
    double south = 0.0;
    double east = 0.0;
    double west = 0.0;
    std::string altitudeMode;
};
