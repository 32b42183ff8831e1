#pragma once

#include <QGraphicsItem>

class CAnnotation2DObject;
class COvMapModule;

// Draws one annotation object on the map view, in view pixels: areas filled with the brush and
// outlined with the pen, extents as the box of their points, points as their icon (or the
// default marker), and the label.
class CAnnotationItem : public QGraphicsItem
{
public:
    CAnnotationItem(const CAnnotation2DObject* object, const COvMapModule* map);

    // The view or the object changed: new bounds.
    void Relayout();

    QRectF boundingRect() const override;
    void paint(QPainter* painter, const QStyleOptionGraphicsItem*, QWidget*) override;

private:
    QPainterPath areaPath() const;
    QRectF iconRect(const QPointF& screen) const;
    QRectF labelRect() const;
    QPointF labelAnchor() const;
    void paintIcon(QPainter* painter, const QPointF& screen) const;
    void paintLabel(QPainter* painter) const;
    double iconScale() const;
    bool labelShown() const;

    const CAnnotation2DObject* m_object;
    const COvMapModule* m_map;
    QRectF m_bounds;
};
