#pragma once

#include "kml/XmlMessageObject.h"

#include <string>

// The view onto a feature. Element "LookAt".
class OVCOORD_EXPORT CICD_LOOKAT : public CXmlMessageObject
{
public:
    static constexpr const char* kElement = "LookAt";

    bool operator==(const CICD_LOOKAT& other) const;
    bool operator!=(const CICD_LOOKAT& other) const { return !(*this == other); }
    bool isEmpty() const override;
    SerTinyXml::TiXmlElement* serialize(CTinyXmlSerializer* serializer,
        SerTinyXml::TiXmlElement* parent, const char* name) override;
    // The content in write order (see KmlFields_p.h).
    template <class F> void fields(F& f);

    double longitude = 0.0;
    double latitude = 0.0;
    double altitude = 0.0;
    double heading = 0.0;
    double tilt = 0.0;
    double range = 0.0;
    std::string altitudeMode; // element "gx:altitudeMode"
};
