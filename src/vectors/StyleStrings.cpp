#include "OvCoordSystem/vectors/StyleStrings_p.h"

#include "OvCoordSystem/coord/CoordinateSystem.h"
#include "OvCoordSystem/vectors/FeatureStyleData.h"
#include "OvCoordSystem/vectors/VCTGeometry.h"

#include <QColor>
#include <QStringList>

#include <iterator>

namespace vectors {
namespace {

// Standard DXF lineweights (millimetres).
constexpr double kDxfLineweights_mm[] = { 0.0, 0.05, 0.09, 0.13, 0.15, 0.18, 0.2, 0.25, 0.3, 0.35,
    0.4, 0.5, 0.53, 0.6, 0.7, 0.8, 0.9, 1.0, 1.06, 1.2, 1.4, 1.58, 2.0, 2.11 };
constexpr int kDxfLineweightCount = int(std::size(kDxfLineweights_mm));
// Pen width to lineweight index: trunc(width * 23) / 10.
constexpr double kDxfWidthFactor = 23.0;
constexpr int kDxfWidthDivisor = 10;
// Metres per degree of longitude on the equator: label sizes in degrees for geographic targets.
constexpr double kMetresPerDegree = 111322.22222222222;
// Size of a label whose first style flag is set (target units).
constexpr double kFlaggedLabelSize = 40000.0;
// Font weight from which a label is bold.
constexpr int kBoldWeight = 58;

// One style tool: name and the parameters that were set, in the order of its table.
class StyleTool
{
public:
    StyleTool(const char* name, bool alpha)
        : m_name(QLatin1String(name))
        , m_alpha(alpha)
    { }

    StyleTool& text(const char* key, const QString& value)
    {
        // Plain texts are written as they are; one that would break the parameter list is quoted.
        static const QString breaking = QStringLiteral(",:;()\"");
        bool quote = false;
        for (const QChar c : value)
            quote = quote || breaking.contains(c);
        if (!quote) return add(key, value);
        QString escaped = value;
        escaped.replace(QLatin1Char('"'), QLatin1String("\\\""));
        return add(key, QLatin1Char('"') + escaped + QLatin1Char('"'));
    }
    StyleTool& number(const char* key, double value, const QString& unit = QString())
    {
        return add(key, QString::number(value, 'g', 6) + unit);
    }
    StyleTool& flag(const char* key, bool value)
    {
        return add(key, value ? QStringLiteral("true") : QStringLiteral("false"));
    }
    // An invalid colour is a colour that was not set.
    StyleTool& colour(const char* key, const QColor& value)
    {
        if (!value.isValid()) return *this;
        if (!m_alpha) return add(key, value.name());
        return add(
            key, value.name() + QStringLiteral("%1").arg(value.alpha(), 2, 16, QLatin1Char('0')));
    }

    QString toString() const
    {
        return QStringLiteral("%1(%2)").arg(m_name, m_parameters.join(QLatin1Char(',')));
    }

private:
    StyleTool& add(const char* key, const QString& value)
    {
        m_parameters << QLatin1String(key) + QLatin1Char(':') + value;
        return *this;
    }

    QString m_name;
    bool m_alpha;
    QStringList m_parameters;
};

// The geographic values of the numbering; 6 to 10 are geographic systems no widget offers.
bool isGeographic(int coordSys)
{
    switch (coordSys) {
    case VECTOR_WGS84_LNGLAT:
    case 6:
    case 7:
    case 8:
    case 9:
    case 10:
    case VECTOR_BD09_LNGLAT:
    case VECTOR_GCJ02_LNGLAT:
        return true;
    default:
        return false;
    }
}

QString labelTool(const FeatureStyleData& style, int targetCoordSys, bool alpha)
{
    double size = style.flag1 ? kFlaggedLabelSize : style.labelFont.pointSizeF();
    if (isGeographic(targetCoordSys)) size /= kMetresPerDegree;
    return StyleTool("LABEL", alpha)
        .text("t", style.text)
        .flag("bo", style.labelFont.weight() >= kBoldWeight)
        .flag("it", style.labelFont.italic())
        .number("s", size)
        .text("f", style.labelFont.family())
        .colour("c", style.labelColor)
        .toString();
}

} // namespace

double dxfLineweight(double penWidth)
{
    const int index = int(penWidth * kDxfWidthFactor) / kDxfWidthDivisor;
    return kDxfLineweights_mm[qBound(0, index, kDxfLineweightCount - 1)];
}

QString ogrStyleString(
    const FeatureStyleData& style, int kind, const QString& suffix, int targetCoordSys)
{
    const bool dxf = suffix == QLatin1String("DXF");
    const bool kml = suffix == QLatin1String("KML") || suffix == QLatin1String("KMZ");
    const QString unit = dxf ? QStringLiteral("g") : kml ? QStringLiteral("px") : QString();
    const double penWidth = dxf ? dxfLineweight(style.penWidth) : style.penWidth;
    // MapInfo reads a colour's hex digits as one number, so an alpha would shift the colour.
    const bool alpha = suffix != QLatin1String("TAB") && suffix != QLatin1String("MIF");
    switch (kind) {
    case VCTGeometry::KindPoint:
    case VCTGeometry::KindMultiPoint:
        if (!style.text.isEmpty()) return labelTool(style, targetCoordSys, alpha);
        return StyleTool("PEN", alpha).colour("c", style.penColor).toString();
    case VCTGeometry::KindLineString:
    case VCTGeometry::KindMultiLineString:
        return StyleTool("PEN", alpha)
            .number("w", penWidth, unit)
            .colour("c", style.penColor)
            .toString();
    case VCTGeometry::KindPolygon:
    case VCTGeometry::KindMultiPolygon:
        return StyleTool("PEN", alpha)
                   .number("w", penWidth, unit)
                   .colour("c", style.penColor)
                   .toString()
            + QLatin1Char(';')
            + StyleTool("BRUSH", alpha)
                  .colour("fc", style.fillColor)
                  .colour("bc", style.fillColor2)
                  .toString();
    default:
        return QString();
    }
}

const QByteArray& StyleStringCache::styleString(
    const FeatureStyleData& style, int kind, const QString& suffix, int targetCoordSys)
{
    if (!m_valid || kind != m_kind || targetCoordSys != m_target || suffix != m_suffix
        || style != m_style) {
        m_string = ogrStyleString(style, kind, suffix, targetCoordSys).toLocal8Bit();
        m_style = style;
        m_kind = kind;
        m_suffix = suffix;
        m_target = targetCoordSys;
        m_valid = true;
    }
    return m_string;
}

} // namespace vectors
