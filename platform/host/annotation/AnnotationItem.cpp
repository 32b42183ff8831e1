#include "OvCoordSystem/host/annotation/AnnotationItem_p.h"

#include "OvCoordSystem/host/annotation/Annotation2DMapLayer_p.h"
#include "OvCoordSystem/host/annotation/Annotation2DObject_p.h"
#include "OvCoordSystem/host/annotation/IAnnotationFeature.h"
#include "OvCoordSystem/host/map/OvMapModule_p.h"

#include <QPainter>

#include <algorithm>
#include <cmath>

namespace {
constexpr double kMarkerWidth = 22; // default marker, pixels
constexpr double kMarkerHeight = 30;
constexpr double kLabelGap = 4;
constexpr int kReferenceIconLevel = 14; // icons not of fixed size have their own size here
} // namespace

CAnnotationItem::CAnnotationItem(const CAnnotation2DObject* object, const COvMapModule* map)
    : m_object(object)
    , m_map(map)
{
    setAcceptedMouseButtons(Qt::NoButton);
}

QRectF CAnnotationItem::boundingRect() const
{
    return m_bounds;
}

void CAnnotationItem::Relayout()
{
    prepareGeometryChange();
    const CAnnotationDrawing& d = m_object->Drawing();
    QRectF bounds = areaPath().boundingRect();
    for (const CAnnotationDrawing::Part& part : d.parts)
        if (part.type == GEOMETRY_DATA_TYPE_POINT || d.kind == ANNOTATION_FEATURE_POINT)
            for (const QPointF& p : part.points)
                bounds |= iconRect(m_map->ToScreen(p.x(), p.y()));
    const double margin = d.hasPen ? d.penWidth + 2 : 2;
    bounds.adjust(-margin, -margin, margin, margin);
    if (labelShown()) bounds |= labelRect();
    m_bounds = bounds;
    update();
}

QPainterPath CAnnotationItem::areaPath() const
{
    const CAnnotationDrawing& d = m_object->Drawing();
    QPainterPath path;
    path.setFillRule(Qt::OddEvenFill);
    if (d.kind == ANNOTATION_FEATURE_EXTENT) {
        // Four corners given in any order: the box through them.
        const QRectF box = d.Bounds();
        if (!d.HasPoints()) return path;
        QPolygonF ring;
        for (const QPointF& corner :
            { box.topLeft(), box.topRight(), box.bottomRight(), box.bottomLeft() })
            ring << m_map->ToScreen(corner.x(), corner.y());
        path.addPolygon(ring);
        path.closeSubpath();
        return path;
    }
    for (const CAnnotationDrawing::Part& part : d.parts) {
        if (part.type != GEOMETRY_DATA_TYPE_POLYGON && part.type != GEOMETRY_DATA_TYPE_LINE)
            continue;
        QPolygonF screen;
        screen.reserve(part.points.size());
        for (const QPointF& p : part.points)
            screen << m_map->ToScreen(p.x(), p.y());
        path.addPolygon(screen);
        if (part.type == GEOMETRY_DATA_TYPE_POLYGON) path.closeSubpath();
    }
    return path;
}

double CAnnotationItem::iconScale() const
{
    const CAnnotation2DMapLayer* layer = m_object->Layer();
    if (!layer || layer->IsIconFixedSize()) return 1.0;
    return std::clamp(std::ldexp(1.0, m_map->GetZoomLevel() - kReferenceIconLevel), 0.25, 4.0);
}

QRectF CAnnotationItem::iconRect(const QPointF& screen) const
{
    const QPixmap& icon = m_object->Drawing().icon;
    const double s = iconScale();
    const double w = (icon.isNull() ? kMarkerWidth : icon.width()) * s;
    const double h = (icon.isNull() ? kMarkerHeight : icon.height()) * s;
    // The icon stands on the point, like a pin.
    return QRectF(screen.x() - w / 2, screen.y() - h, w, h);
}

bool CAnnotationItem::labelShown() const
{
    const CAnnotation2DMapLayer* layer = m_object->Layer();
    return m_object->Drawing().hasLabel && !m_object->LabelText().isEmpty() && layer
        && layer->ShowsLabelsAt(m_map->GetZoomLevel());
}

QPointF CAnnotationItem::labelAnchor() const
{
    const CAnnotationDrawing& d = m_object->Drawing();
    const QRectF box = d.Bounds();
    if (d.kind == ANNOTATION_FEATURE_POINT) {
        const QPointF at = m_map->ToScreen(box.center().x(), box.center().y());
        return QPointF(iconRect(at).right() + kLabelGap, at.y() - iconRect(at).height() / 2);
    }
    return m_map->ToScreen(box.center().x(), box.center().y());
}

QRectF CAnnotationItem::labelRect() const
{
    QFont font;
    font.setPointSize(m_object->Drawing().labelSize);
    const QFontMetricsF metrics(font);
    const QPointF at = labelAnchor();
    const double width = metrics.horizontalAdvance(m_object->LabelText());
    const bool point = m_object->Drawing().kind == ANNOTATION_FEATURE_POINT;
    const double left = point ? at.x() : at.x() - width / 2;
    return QRectF(left, at.y() - metrics.height() / 2, width, metrics.height())
        .adjusted(-3, -3, 3, 3);
}

void CAnnotationItem::paint(QPainter* painter, const QStyleOptionGraphicsItem*, QWidget*)
{
    const CAnnotationDrawing& d = m_object->Drawing();
    const QPainterPath path = areaPath();
    if (!path.isEmpty()) {
        const bool area = d.kind != ANNOTATION_FEATURE_POINT;
        if (area && d.hasBrush) {
            painter->fillPath(path, d.brushBackground);
            if (d.brushPattern != Qt::NoBrush)
                painter->fillPath(path, QBrush(d.brushForeground, Qt::BrushStyle(d.brushPattern)));
        }
        if (d.hasPen && d.penWidth > 0) painter->strokePath(path, QPen(d.penColor, d.penWidth));
    }
    for (const CAnnotationDrawing::Part& part : d.parts)
        if (part.type == GEOMETRY_DATA_TYPE_POINT || d.kind == ANNOTATION_FEATURE_POINT)
            for (const QPointF& p : part.points)
                paintIcon(painter, m_map->ToScreen(p.x(), p.y()));
    if (labelShown()) paintLabel(painter);
}

void CAnnotationItem::paintIcon(QPainter* painter, const QPointF& screen) const
{
    const CAnnotationDrawing& d = m_object->Drawing();
    const QRectF rect = iconRect(screen);
    if (!d.icon.isNull()) {
        painter->drawPixmap(rect, d.icon, QRectF(d.icon.rect()));
        return;
    }
    // The default marker: a pin in the pen colour with a white dot.
    const QColor color = d.hasPen ? d.penColor : QColor(220, 40, 40);
    const double r = rect.width() / 2;
    QPainterPath head;
    head.addEllipse(QRectF(rect.left(), rect.top(), 2 * r, 2 * r));
    QPainterPath tip;
    tip.addPolygon(QPolygonF({ QPointF(rect.left() + 0.3 * r, rect.top() + 1.6 * r), screen,
        QPointF(rect.right() - 0.3 * r, rect.top() + 1.6 * r) }));
    const QPainterPath pin = head.united(tip);
    painter->fillPath(pin, color);
    painter->strokePath(pin, QPen(color.darker(150), 1.0));
    painter->setBrush(Qt::white);
    painter->setPen(Qt::NoPen);
    painter->drawEllipse(QPointF(rect.center().x(), rect.top() + r), r / 2.5, r / 2.5);
}

void CAnnotationItem::paintLabel(QPainter* painter) const
{
    const CAnnotationDrawing& d = m_object->Drawing();
    QFont font;
    font.setPointSize(d.labelSize);
    const QFontMetricsF metrics(font);
    const QRectF rect = labelRect().adjusted(3, 3, -3, -3);
    QPainterPath text;
    text.addText(QPointF(rect.left(), rect.top() + metrics.ascent()), font, m_object->LabelText());
    painter->strokePath(
        text, QPen(d.labelOutline, 3.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter->fillPath(text, d.labelColor);
}
