#include "OvCoordSystem/host/graphics/SceneItem_p.h"

#include "OvCoordSystem/host/graphics/GraphicsItemId_p.h"
#include "OvCoordSystem/host/map/OvMapModule_p.h"

#include <QGraphicsProxyWidget>
#include <QGraphicsScene>
#include <QWidget>

#include <cmath>

int NextGraphicsItemId()
{
    static int last = 0;
    return ++last;
}

CSceneItem::CSceneItem(const std::string& name, COvMapModule* map, int z)
    : m_name(name)
    , m_map(map)
    , m_id(NextGraphicsItemId())
    , m_z(z)
    , m_referenceLevel(map->GetZoomLevel())
{
    if (QGraphicsScene* scene = map->GetScene()) {
        m_proxy = new QGraphicsProxyWidget;
        m_proxy->setVisible(false);
        m_proxy->setZValue(z);
        scene->addItem(m_proxy);
    }
}

CSceneItem::~CSceneItem()
{
    delete m_proxy; // with the widget it holds
    delete m_widget.data(); // a widget kept without a scene
}

int CSceneItem::GetId() const
{
    return m_id;
}

void CSceneItem::SetZValue(int z)
{
    m_z = z;
    if (m_proxy) m_proxy->setZValue(z);
}

void CSceneItem::SetScreenFixed(bool fixed)
{
    m_screenFixed = fixed;
    m_referenceLevel = m_map->GetZoomLevel();
    Relayout();
}

void CSceneItem::SetVisible(bool visible)
{
    m_visible = visible;
    Relayout();
}

void CSceneItem::SetPosition(const CVector3D& position)
{
    m_position = position;
    if (m_following)
        m_offset
            = m_map->ToScreen(position.x, position.y) - m_map->ToScreen(m_anchor.x, m_anchor.y);
    Relayout();
}

void CSceneItem::SetSize(int width, int height)
{
    m_width = std::max(width, 0);
    m_height = std::max(height, 0);
    if (m_widget) m_widget->setFixedSize(m_width, m_height);
    // The proxy would take the widget's new size only when its layout request is processed.
    if (m_proxy && m_proxy->widget()) {
        m_proxy->setMinimumSize(m_width, m_height);
        m_proxy->setMaximumSize(m_width, m_height);
        m_proxy->resize(m_width, m_height);
    }
    Relayout();
}

void CSceneItem::SetWidget(QWidget* widget)
{
    if (widget == m_widget) return;
    if (m_proxy) {
        QWidget* old = m_proxy->widget();
        m_proxy->setWidget(nullptr);
        delete old;
    } else {
        delete m_widget.data();
    }
    m_widget = widget;
    if (!widget) return;
    if (m_width > 0 && m_height > 0) widget->setFixedSize(m_width, m_height);
    if (m_proxy) m_proxy->setWidget(widget);
    Relayout();
}

std::string CSceneItem::GetName() const
{
    return m_name;
}

QWidget* CSceneItem::GetWidget() const
{
    return m_widget;
}

bool CSceneItem::IsVisible() const
{
    return m_visible;
}

CVector3D CSceneItem::GetPosition() const
{
    return m_position;
}

void CSceneItem::GetScreenRect(int& x, int& y, int& width, int& height) const
{
    if (!m_proxy || !m_proxy->isVisible()) {
        x = y = width = height = 0;
        return;
    }
    const QRect r = m_proxy->sceneBoundingRect().toAlignedRect();
    x = r.x();
    y = r.y();
    width = r.width();
    height = r.height();
}

void CSceneItem::Follow(const CVector3D* anchor)
{
    m_following = anchor != nullptr;
    if (!anchor) return;
    m_anchor = *anchor;
    m_offset = m_map->ToScreen(m_position.x, m_position.y) - m_map->ToScreen(anchor->x, anchor->y);
}

void CSceneItem::MoveAnchor(const CVector3D& anchor)
{
    if (!m_following) return;
    m_anchor = anchor;
    Relayout();
}

QPointF CSceneItem::screenPosition() const
{
    if (m_following) return m_map->ToScreen(m_anchor.x, m_anchor.y) + m_offset;
    return m_map->ToScreen(m_position.x, m_position.y);
}

void CSceneItem::Relayout()
{
    if (!m_proxy) return;
    const bool shown = m_visible && m_widget;
    m_proxy->setVisible(shown);
    if (!shown) return;
    const QPointF at = screenPosition();
    m_proxy->setPos(std::floor(at.x()), std::floor(at.y())); // the pixel holding the point
    m_proxy->setScale(
        m_screenFixed ? 1.0 : std::ldexp(1.0, m_map->GetZoomLevel() - m_referenceLevel));
}
