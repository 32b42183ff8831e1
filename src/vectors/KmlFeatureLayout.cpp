#include "OvCoordSystem/vectors/KmlFeatureLayout_p.h"

#include "OvCoordSystem/kml/IcdPlacemark.h"
#include "OvCoordSystem/kml/XmlText_p.h"

namespace kmllayout {

namespace {

// Label fonts inside these bounds (points, both excluded) scale the label by size / 12.
constexpr double kLabelBasePoints = 12.0;
constexpr double kLabelMaxPoints = 72.0;

constexpr int kLonLatDecimals = 12;
constexpr int kHeightDecimals = 2;

std::string coordinates(const VectorPointList& points)
{
    std::string text;
    // " -180.000000000000,-90.000000000000,0.00" is 40 characters.
    text.reserve(static_cast<size_t>(points.size()) * 40);
    for (const CVector3D& point : points)
        appendCoordinate(text, point);
    return text;
}

std::string firstPoint(const VectorPointList& points)
{
    std::string text;
    if (!points.isEmpty()) appendCoordinate(text, points.first());
    return text;
}

CICD_POLYGON polygon(const VectorPointList& ring)
{
    CICD_POLYGON polygon;
    polygon.outerBoundaryIs.linearRing.coordinates = coordinates(ring);
    return polygon;
}

} // namespace

std::string kmlColor(const QColor& color)
{
    if (!color.isValid()) return std::string();
    static const char kDigits[] = "0123456789abcdef";
    const int components[4] = { color.alpha(), color.blue(), color.green(), color.red() };
    std::string text(8, '0');
    for (int i = 0; i < 4; ++i) {
        text[2 * i] = kDigits[components[i] >> 4];
        text[2 * i + 1] = kDigits[components[i] & 0xf];
    }
    return text;
}

float labelScale(const QFont& font)
{
    const double points = font.pointSizeF();
    if (points > kLabelBasePoints && points < kLabelMaxPoints)
        return static_cast<float>(points / kLabelBasePoints);
    return 1.0f;
}

void appendCoordinate(std::string& text, const CVector3D& point)
{
    text += ' ';
    xmltext::appendFixed(text, point.x, kLonLatDecimals);
    text += ',';
    xmltext::appendFixed(text, point.y, kLonLatDecimals);
    text += ',';
    xmltext::appendFixed(text, point.z, kHeightDecimals);
}

void setStyle(CICD_STYLE& style, const FeatureStyleData& featureStyle, int geometryType)
{
    style.labelStyle.color = kmlColor(featureStyle.labelColor);
    style.labelStyle.scale = labelScale(featureStyle.labelFont);
    switch (geometryType) {
    case VectorFeatureData::Point:
        style.iconStyle.color = kmlColor(featureStyle.iconColor);
        style.iconStyle.icon.href = kPointIconHref;
        break;
    case VectorFeatureData::Polygon:
    case VectorFeatureData::MultiPolygon:
        style.polyStyle.color = kmlColor(featureStyle.fillColor);
        Q_FALLTHROUGH();
    case VectorFeatureData::Line:
    case VectorFeatureData::MultiLine:
        style.lineStyle.color = kmlColor(featureStyle.penColor);
        style.lineStyle.width = featureStyle.penWidth;
        break;
    default:
        break;
    }
}

void setGeometry(CICD_PLACEMARK& placemark, const VectorFeatureData& feature)
{
    if (feature.parts.isEmpty()) return;
    const VectorPointList& last = feature.parts.last();
    switch (feature.geometryType) {
    case VectorFeatureData::Point:
        placemark.point.coordinates = firstPoint(last);
        return;
    case VectorFeatureData::Line:
        placemark.lineString.coordinates = coordinates(last);
        return;
    case VectorFeatureData::Polygon:
        placemark.polygon = polygon(last);
        return;
    default:
        break;
    }
    ICD_MULTIGEOMETRY& multi = placemark.multiGeometry;
    for (const VectorPointList& part : feature.parts) {
        if (part.isEmpty()) continue;
        switch (feature.geometryType) {
        case VectorFeatureData::MultiPoint:
            multi.points.emplace_back();
            multi.points.back().coordinates = firstPoint(part);
            break;
        case VectorFeatureData::MultiLine:
            multi.lineStrings.emplace_back();
            multi.lineStrings.back().coordinates = coordinates(part);
            break;
        case VectorFeatureData::MultiPolygon:
            multi.polygons.push_back(polygon(part));
            break;
        default:
            return; // 3, 4 and unknown types have no geometry
        }
    }
}

} // namespace kmllayout
