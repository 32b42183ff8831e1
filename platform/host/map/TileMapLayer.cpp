#include "OvCoordSystem/host/map/TileMapLayer_p.h"

#include "OvCoordSystem/host/map/OvMapModule_p.h"

#include <QPainter>
#include <QPainterPath>

#include <cmath>

namespace {
// Screen outline of a ring; points with a NaN coordinate are left out.
QPolygonF toScreen(const COvMapModule& module, const QPolygonF& ring)
{
    QPolygonF out;
    out.reserve(ring.size());
    for (const QPointF& p : ring)
        if (std::isfinite(p.x()) && std::isfinite(p.y())) out << module.ToScreen(p.x(), p.y());
    return out;
}

// A pale land colour per area, so that neighbours differ.
QColor landColor(const QString& name, bool imagery)
{
    const int h = int(qHash(name) % 360);
    return imagery ? QColor::fromHsv(h, 60, 70) : QColor::fromHsv(h, 28, 242);
}
} // namespace

CTileMapLayer::CTileMapLayer(COvMapModule* module, Role role)
    : m_module(module)
    , m_role(role)
{
    setAcceptedMouseButtons(Qt::NoButton);
    m_rect = QRectF(QPointF(0, 0), module->Viewport().Size());
}

std::string CTileMapLayer::GetName() const
{
    return m_role == BaseLayer ? STR_TILE_MAP_LAYER_NAME : STR_TILE_LABEL_LAYER_NAME;
}

void CTileMapLayer::SetVisible(bool visible)
{
    m_visible = visible;
    setVisible(visible);
}

bool CTileMapLayer::IsVisible() const
{
    return m_visible;
}

void CTileMapLayer::Redraw()
{
    m_titleShown = m_pendingTitleShown;
    m_labelShown = m_pendingLabelShown;
    update();
}

void CTileMapLayer::SetTitleShown(bool shown)
{
    m_pendingTitleShown = shown;
}

void CTileMapLayer::SetLabelShown(bool shown)
{
    m_pendingLabelShown = shown;
}

bool CTileMapLayer::DrawsNames() const
{
    const bool namesHere = (m_role == LabelLayer) == m_module->NamesOnLabelLayer();
    return namesHere && m_titleShown && m_labelShown;
}

void CTileMapLayer::ViewResized()
{
    prepareGeometryChange();
    m_rect = QRectF(QPointF(0, 0), m_module->Viewport().Size());
}

QRectF CTileMapLayer::boundingRect() const
{
    return m_rect;
}

void CTileMapLayer::paint(QPainter* painter, const QStyleOptionGraphicsItem*, QWidget*)
{
    painter->save();
    painter->setClipRect(m_rect);
    if (m_role == BaseLayer) paintAreas(painter);
    if (DrawsNames()) paintNames(painter);
    painter->restore();
}

void CTileMapLayer::paintAreas(QPainter* painter) const
{
    const bool imagery = m_module->IsImageryMap();
    painter->setPen(
        QPen(imagery ? QColor(230, 230, 180) : QColor(150, 120, 160), 1.0, Qt::DashLine));
    for (const tagMapBaseFeature& feature : m_module->BaseFeatures()) {
        QPainterPath path;
        path.setFillRule(Qt::OddEvenFill);
        for (const QPolygonF& ring : feature.rings) {
            const QPolygonF screen = toScreen(*m_module, ring);
            if (screen.size() >= 3) path.addPolygon(screen);
        }
        painter->setBrush(landColor(feature.name, imagery));
        painter->drawPath(path);
    }
}

void CTileMapLayer::paintNames(QPainter* painter) const
{
    const bool imagery = m_module->IsImageryMap();
    QFont font = painter->font();
    font.setPointSize(9);
    painter->setFont(font);
    const QFontMetrics metrics(font);
    for (const tagMapBaseFeature& feature : m_module->BaseFeatures()) {
        // The name goes in the middle of the largest ring, when the ring is wide enough for it.
        QRectF largest;
        for (const QPolygonF& ring : feature.rings) {
            const QRectF box = toScreen(*m_module, ring).boundingRect();
            if (box.width() * box.height() > largest.width() * largest.height()) largest = box;
        }
        const int textWidth = metrics.horizontalAdvance(feature.name);
        if (largest.width() < textWidth || !largest.intersects(m_rect)) continue;
        const QPointF at(
            largest.center().x() - textWidth / 2.0, largest.center().y() + metrics.ascent() / 2.0);
        QPainterPath text;
        text.addText(at, font, feature.name);
        painter->strokePath(text, QPen(imagery ? Qt::black : Qt::white, 3.0));
        painter->fillPath(text, imagery ? Qt::white : QColor(60, 60, 60));
    }
}
