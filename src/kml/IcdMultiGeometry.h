#pragma once

#include "kml/IcdLineString.h"
#include "kml/IcdPoint.h"
#include "kml/IcdPolygon.h"
#include "kml/XmlMessageObject.h"

#include <string>
#include <vector>

// Several geometries of one feature. Element "MultiGeometry".
class OVCOORD_EXPORT ICD_MULTIGEOMETRY : public CXmlMessageObject
{
public:
    static constexpr const char* kElement = "MultiGeometry";

    bool operator==(const ICD_MULTIGEOMETRY& other) const;
    bool operator!=(const ICD_MULTIGEOMETRY& other) const { return !(*this == other); }
    bool isEmpty() const override;
    SerTinyXml::TiXmlElement* serialize(CTinyXmlSerializer* serializer,
        SerTinyXml::TiXmlElement* parent, const char* name) override;
    // The content in write order (see KmlFields_p.h).
    template <class F> void fields(F& f);

    std::vector<CICD_LINE_STRING> lineStrings; // "LineString" elements
    std::vector<CICD_POINT> points; // "Point" elements
    std::vector<CICD_POLYGON> polygons; // "Polygon" elements
};
