#pragma once

#include "OvCoordSystem/vectors/VectorFeatureData.h"

#include <QColor>
#include <QFont>

#include <string>

class CICD_PLACEMARK;
class CICD_STYLE;

namespace kmllayout {

// The one KML icon point styles refer to: a white circle, so that the icon colour shows as is.
constexpr const char* kPointIconHref
    = "http://maps.google.com/mapfiles/kml/shapes/placemark_circle.png";

// COLOR in KML order: alpha, blue, green, red, two lower-case hexadecimal digits each. Empty for
// an invalid colour, which leaves the KML default in place.
std::string kmlColor(const QColor& color);

// The label scale of FONT: its point size / 12 between 12 and 72 points (both excluded), else 1.
float labelScale(const QFont& font);

// Appends " lon,lat,height" to TEXT: longitude and latitude with 12 decimals, height with 2, in
// fixed notation whatever the C locale.
void appendCoordinate(std::string& text, const CVector3D& point);

// The placemark style of FEATURE: label colour and scale; icon colour for a point; line colour
// and width for lines and polygons; fill colour for polygons.
void setStyle(CICD_STYLE& style, const FeatureStyleData& featureStyle, int geometryType);

// The geometry of FEATURE in PLACEMARK. A point, a line or a polygon is drawn from one part (the
// last, when there are several); the multi types become a MultiGeometry with one member per part
// that holds a vertex. A point takes the first vertex of its part. Other types get no geometry.
void setGeometry(CICD_PLACEMARK& placemark, const VectorFeatureData& feature);

} // namespace kmllayout
