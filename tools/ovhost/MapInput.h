#pragma once

#include "OvCoordSystem/host/Extent.h"
#include "OvCoordSystem/host/map/IOvMapEventHandler.h"

#include <QObject>
#include <QPoint>
#include <QPointF>

class IOvMapModule;
class QGraphicsRectItem;

// The host's own use of the map's input: reports where the cursor is on the map and, while the
// rectangle tool is armed, turns one drag with the left button into a rectangle (drawn as a
// rubber band meanwhile) instead of a pan.
class CMapInput : public QObject, public IOvMapEventHandler
{
    Q_OBJECT
public:
    explicit CMapInput(IOvMapModule* map, QObject* parent = nullptr);
    ~CMapInput() override;

    // The next drag draws a rectangle; disarmed after it or by SetArmed(false).
    void SetArmed(bool armed);
    bool IsArmed() const { return m_armed; }

    bool OnMousePressEvent(QMouseEvent* event) override;
    bool OnMouseMoveEvent(QMouseEvent* event) override;
    bool OnMouseReleaseEvent(QMouseEvent* event) override;

signals:
    // Map coordinates (degrees) under the cursor.
    void SigCursorMoved(QPointF position);
    // A drawn rectangle, first corner the minimum (degrees).
    void SigRectangle(EXTENT extent);
    void SigArmedChanged(bool armed);

private:
    QPointF world(const QPoint& pixel) const;
    void clearRubberBand();

    IOvMapModule* m_map;
    bool m_armed = false;
    bool m_dragging = false;
    QPoint m_start;
    QGraphicsRectItem* m_rubberBand = nullptr;
};
