#pragma once

#include "kml/IcdOuterBoundaryIs.h"
#include "kml/XmlMessageObject.h"

#include <string>

// A polygon geometry with its outer boundary. Element "Polygon".
class OVCOORD_EXPORT CICD_POLYGON : public CXmlMessageObject
{
public:
    static constexpr const char* kElement = "Polygon";

    bool operator==(const CICD_POLYGON& other) const;
    bool operator!=(const CICD_POLYGON& other) const { return !(*this == other); }
    bool isEmpty() const override;
    SerTinyXml::TiXmlElement* serialize(CTinyXmlSerializer* serializer,
        SerTinyXml::TiXmlElement* parent, const char* name) override;
    // The content in write order (see KmlFields_p.h).
    template <class F> void fields(F& f);

    int tessellate = 1;
    CICD_OUTER_BOUNDARY_IS outerBoundaryIs;
};
