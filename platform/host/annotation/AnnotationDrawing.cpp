#include "OvCoordSystem/host/annotation/AnnotationDrawing_p.h"

#include "OvCoordSystem/host/annotation/FeatureBrushStyle.h"
#include "OvCoordSystem/host/annotation/FeatureIconStyle.h"
#include "OvCoordSystem/host/annotation/FeatureLabelStyle.h"
#include "OvCoordSystem/host/annotation/FeaturePenStyle.h"
#include "OvCoordSystem/host/annotation/IAnnotationFeature.h"
#include "OvCoordSystem/host/app/TextConvert.h"

#include <algorithm>
#include <cmath>

namespace {
template <typename Style> const Style* firstStyle(const IAnnotationFeature& feature)
{
    for (CFeatureStyle* style : feature.GetStyles())
        if (auto* found = dynamic_cast<const Style*>(style)) return found;
    return nullptr;
}
} // namespace

CAnnotationDrawing CAnnotationDrawing::FromFeature(
    const IAnnotationFeature& feature, bool withPixmaps)
{
    CAnnotationDrawing d;
    d.kind = feature.GetKind();
    d.featureName = ConvertStdStringToQString(feature.GetName(), "GB18030");
    CGeometryData geometry;
    for (int i = 0; i < feature.GetGeometryCount(); ++i) {
        feature.GetGeometry(geometry, i);
        Part part;
        part.type = geometry.GetGeometryDataType();
        for (const CVector3D& p : geometry.GetPoints())
            if (std::isfinite(p.x) && std::isfinite(p.y)) part.points << QPointF(p.x, p.y);
        if (!part.points.isEmpty()) d.parts.push_back(part);
    }
    if (const auto* pen = firstStyle<CFeaturePenStyle>(feature)) {
        d.hasPen = true;
        d.penWidth = pen->GetWidth();
        d.penColor = pen->GetColor();
    }
    if (const auto* brush = firstStyle<CFeatureBrushStyle>(feature)) {
        d.hasBrush = true;
        d.brushForeground = brush->GetForegroundColor();
        d.brushBackground = brush->GetBackgroundColor();
        d.brushPattern = brush->GetPattern();
    }
    if (const auto* label = firstStyle<CFeatureLabelStyle>(feature)) {
        d.hasLabel = true;
        d.labelColor = label->GetForegroundColor();
        d.labelOutline = label->GetOutLineColor();
        d.labelSize = label->GetFontSize();
    }
    const auto* icon = firstStyle<CFeatureIconStyle>(feature);
    if (withPixmaps && icon && !icon->GetIconUrl().empty())
        d.icon = QPixmap(QString::fromLocal8Bit(icon->GetIconUrl().c_str()));
    return d;
}

QRectF CAnnotationDrawing::Bounds() const
{
    // By hand: QRectF::united drops the empty box of a single point.
    bool any = false;
    double x0 = 0, y0 = 0, x1 = 0, y1 = 0;
    for (const Part& part : parts)
        for (const QPointF& p : part.points) {
            x0 = any ? std::min(x0, p.x()) : p.x();
            y0 = any ? std::min(y0, p.y()) : p.y();
            x1 = any ? std::max(x1, p.x()) : p.x();
            y1 = any ? std::max(y1, p.y()) : p.y();
            any = true;
        }
    return QRectF(QPointF(x0, y0), QPointF(x1, y1));
}

bool CAnnotationDrawing::HasPoints() const
{
    return !parts.empty();
}
