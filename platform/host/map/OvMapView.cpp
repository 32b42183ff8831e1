#include "OvCoordSystem/host/map/OvMapView_p.h"

#include "OvCoordSystem/host/map/IOvMapEventHandler.h"
#include "OvCoordSystem/host/map/OvMapModule_p.h"

#include <QGraphicsProxyWidget>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QWheelEvent>

#include <cmath>

namespace {
constexpr int kKeyPanPixels = 64;
constexpr int kWheelNotch = 120; // angle delta of one wheel step (1/8 degree units)

// Zooming keeps the map point under the middle of the cursor's pixel where it is.
QPointF pixelCentre(const QPointF& cursor)
{
    return QPointF(std::floor(cursor.x()) + 0.5, std::floor(cursor.y()) + 0.5);
}
} // namespace

COvMapView::COvMapView(COvMapModule* module, QGraphicsScene* scene)
    : QGraphicsView(scene)
    , m_module(module)
{
    setFrameShape(QFrame::NoFrame);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setTransformationAnchor(QGraphicsView::NoAnchor);
    setResizeAnchor(QGraphicsView::NoAnchor);
    // Every item moves on a pan: redraw the whole view rather than track moved regions.
    setViewportUpdateMode(QGraphicsView::FullViewportUpdate);
    setRenderHint(QPainter::Antialiasing);
    setRenderHint(QPainter::TextAntialiasing);
    setBackgroundBrush(module->SeaColor());
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
    setWindowTitle(QStringLiteral("OvMap"));
}

void COvMapView::resizeEvent(QResizeEvent* event)
{
    QGraphicsView::resizeEvent(event);
    m_module->ViewResized(viewport()->size());
}

bool COvMapView::overSceneWidget(const QPoint& pos) const
{
    for (QGraphicsItem* item : items(pos))
        if (item->isWidget() && item->isVisible()) return true;
    return false;
}

void COvMapView::mousePressEvent(QMouseEvent* event)
{
    if (m_module->DispatchToHandlers(&IOvMapEventHandler::OnMousePressEvent, event)) return;
    if (overSceneWidget(event->pos())) {
        QGraphicsView::mousePressEvent(event);
        return;
    }
    if (event->button() == Qt::LeftButton) {
        m_panning = true;
        m_lastPos = event->pos();
        setCursor(Qt::ClosedHandCursor);
    }
}

void COvMapView::mouseMoveEvent(QMouseEvent* event)
{
    if (m_module->DispatchToHandlers(&IOvMapEventHandler::OnMouseMoveEvent, event)) return;
    if (!m_panning) {
        QGraphicsView::mouseMoveEvent(event);
        return;
    }
    const QPoint delta = event->pos() - m_lastPos;
    m_lastPos = event->pos();
    if (!delta.isNull()) m_module->PanBy(delta.x(), delta.y());
}

void COvMapView::mouseReleaseEvent(QMouseEvent* event)
{
    if (m_module->DispatchToHandlers(&IOvMapEventHandler::OnMouseReleaseEvent, event)) return;
    if (m_panning && event->button() == Qt::LeftButton) {
        m_panning = false;
        unsetCursor();
        return;
    }
    QGraphicsView::mouseReleaseEvent(event);
}

void COvMapView::mouseDoubleClickEvent(QMouseEvent* event)
{
    if (m_module->DispatchToHandlers(&IOvMapEventHandler::OnMouseDoubleClickEvent, event)) return;
    if (overSceneWidget(event->pos())) {
        QGraphicsView::mouseDoubleClickEvent(event);
        return;
    }
    // Zoom in one level about the clicked point.
    if (event->button() == Qt::LeftButton)
        m_module->ZoomAt(m_module->GetZoomLevel() + 1, pixelCentre(event->pos()));
}

void COvMapView::wheelEvent(QWheelEvent* event)
{
    if (m_module->DispatchToHandlers(&IOvMapEventHandler::OnWheelEvent, event)) return;
    // Touchpads send fractions of a notch: they add up to whole levels.
    m_wheelDelta += event->angleDelta().y();
    const int steps = m_wheelDelta / kWheelNotch;
    m_wheelDelta -= steps * kWheelNotch;
    if (steps != 0)
        m_module->ZoomAt(m_module->GetZoomLevel() + steps, pixelCentre(event->position()));
    event->accept();
}

void COvMapView::keyPressEvent(QKeyEvent* event)
{
    if (m_module->DispatchToHandlers(&IOvMapEventHandler::OnKeyPressEvent, event)) return;
    if (scene()->focusItem()) { // a widget in the scene is typed into
        QGraphicsView::keyPressEvent(event);
        return;
    }
    const QPointF centre(viewport()->width() / 2.0, viewport()->height() / 2.0);
    switch (event->key()) {
    case Qt::Key_Left:
        m_module->PanBy(kKeyPanPixels, 0);
        break;
    case Qt::Key_Right:
        m_module->PanBy(-kKeyPanPixels, 0);
        break;
    case Qt::Key_Up:
        m_module->PanBy(0, kKeyPanPixels);
        break;
    case Qt::Key_Down:
        m_module->PanBy(0, -kKeyPanPixels);
        break;
    case Qt::Key_Plus:
    case Qt::Key_Equal:
        m_module->ZoomAt(m_module->GetZoomLevel() + 1, centre);
        break;
    case Qt::Key_Minus:
        m_module->ZoomAt(m_module->GetZoomLevel() - 1, centre);
        break;
    default:
        QGraphicsView::keyPressEvent(event);
    }
}
