#include "MapInput.h"

#include "OvCoordSystem/host/map/IOvMapModule.h"

#include <QGraphicsRectItem>
#include <QGraphicsScene>
#include <QMouseEvent>
#include <QPen>
#include <QWidget>

#include <algorithm>

namespace {
// A shorter drag is taken as a click and draws nothing.
constexpr int kMinDragPixels = 3;
constexpr qreal kRubberBandZ = 10000;
} // namespace

CMapInput::CMapInput(IOvMapModule* map, QObject* parent)
    : QObject(parent)
    , m_map(map)
{
    if (m_map) m_map->AddEventHandler(this);
}

CMapInput::~CMapInput()
{
    clearRubberBand();
    if (m_map) m_map->RemoveEventHandler(this);
}

void CMapInput::SetArmed(bool armed)
{
    if (armed == m_armed) return;
    m_armed = armed;
    m_dragging = false;
    clearRubberBand();
    if (QWidget* view = m_map ? m_map->GetMapWidget() : nullptr)
        armed ? view->setCursor(Qt::CrossCursor) : view->unsetCursor();
    emit SigArmedChanged(armed);
}

QPointF CMapInput::world(const QPoint& pixel) const
{
    double x = 0;
    double y = 0;
    m_map->ScreenToWorld(x, y, pixel.x(), pixel.y());
    return QPointF(x, y);
}

void CMapInput::clearRubberBand()
{
    delete m_rubberBand;
    m_rubberBand = nullptr;
}

bool CMapInput::OnMousePressEvent(QMouseEvent* event)
{
    if (!m_armed || event->button() != Qt::LeftButton) return false;
    m_dragging = true;
    m_start = event->pos();
    clearRubberBand();
    if (QGraphicsScene* scene = m_map->GetScene()) {
        m_rubberBand = scene->addRect(
            QRectF(m_start, m_start), QPen(QColor(247, 122, 61), 2), QColor(139, 139, 139, 50));
        m_rubberBand->setZValue(kRubberBandZ);
    }
    return true;
}

bool CMapInput::OnMouseMoveEvent(QMouseEvent* event)
{
    if (m_map) emit SigCursorMoved(world(event->pos()));
    if (!m_dragging) return false;
    if (m_rubberBand) m_rubberBand->setRect(QRectF(m_start, event->pos()).normalized());
    return true;
}

bool CMapInput::OnMouseReleaseEvent(QMouseEvent* event)
{
    if (!m_dragging || event->button() != Qt::LeftButton) return false;
    const QPoint end = event->pos();
    const bool drawn = std::abs(end.x() - m_start.x()) >= kMinDragPixels
        && std::abs(end.y() - m_start.y()) >= kMinDragPixels;
    const QPointF a = world(m_start);
    const QPointF b = world(end);
    SetArmed(false);
    if (drawn) {
        EXTENT extent;
        extent.dX1 = std::min(a.x(), b.x());
        extent.dY1 = std::min(a.y(), b.y());
        extent.dX2 = std::max(a.x(), b.x());
        extent.dY2 = std::max(a.y(), b.y());
        emit SigRectangle(extent);
    }
    return true;
}
