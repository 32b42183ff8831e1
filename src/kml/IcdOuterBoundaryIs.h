#pragma once

#include "kml/IcdLinearRing.h"
#include "kml/XmlMessageObject.h"

#include <string>

// The outer boundary of a polygon. Element "outerBoundaryIs".
class OVCOORD_EXPORT CICD_OUTER_BOUNDARY_IS : public CXmlMessageObject
{
public:
    static constexpr const char* kElement = "outerBoundaryIs";

    bool operator==(const CICD_OUTER_BOUNDARY_IS& other) const;
    bool operator!=(const CICD_OUTER_BOUNDARY_IS& other) const { return !(*this == other); }
    bool isEmpty() const override;
    SerTinyXml::TiXmlElement* serialize(CTinyXmlSerializer* serializer,
        SerTinyXml::TiXmlElement* parent, const char* name) override;
    // The content in write order (see KmlFields_p.h).
    template <class F> void fields(F& f);

    CICD_LINEAR_RING linearRing;
};
