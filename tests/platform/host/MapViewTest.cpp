#include "MapTestSupport.h"

#include "OvCoordSystem/host/events/StateEventObject.h"
#include "OvCoordSystem/host/events/StateEventObserver.h"
#include "OvCoordSystem/host/events/StateEventSubject.h"
#include "OvCoordSystem/host/map/IOvMapEventHandler.h"
#include "OvCoordSystem/host/map/IOvTileMapLayer.h"

#include <QWheelEvent>

#include <utility>

namespace {
class RecordingObserver : public IStateEventObserver
{
public:
    bool OnStateChanged(const CStateEventObject& event) override
    {
        events.emplace_back(event.GetStateType(), event.GetEventCode());
        return false;
    }
    std::vector<std::pair<int, int>> events;
};

void drag(QPoint from, QPoint to)
{
    SendMouse(QEvent::MouseButtonPress, from, Qt::LeftButton, Qt::LeftButton);
    SendMouse(QEvent::MouseMove, (from + to) / 2, Qt::NoButton, Qt::LeftButton);
    SendMouse(QEvent::MouseMove, to, Qt::NoButton, Qt::LeftButton);
    SendMouse(QEvent::MouseButtonRelease, to, Qt::LeftButton, Qt::NoButton);
}

void wheel(QPoint at, int delta)
{
    QWidget* viewport = MapViewport();
    QWheelEvent event(QPointF(at), QPointF(viewport->mapToGlobal(at)), QPoint(), QPoint(0, delta),
        Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(viewport, &event);
}

QPointF worldAt(QPoint screen)
{
    double x = 0, y = 0;
    GetGlobalOvMapModule()->ScreenToWorld(x, y, screen.x(), screen.y());
    return QPointF(x, y);
}
} // namespace

TEST(MapView, WorldToScreenFollowsTheTileGridAndRoundTrips)
{
    IOvMapModule* map = ResetMap();
    for (const auto& [level, lat] : { std::pair(0, -85.0511287798066), { 22, 39.9 } }) {
        map->SetView(116.39, lat, level);
        const QPointF world = worldAt({ 799, 599 });
        EXPECT_EQ(ScreenOf(world.x(), world.y()), QPoint(799, 599)) << level;
    }
    // Level 0 is one 256-pixel tile: centred on (0, 0) in a 256 × 256 view, the
    // Web Mercator square fills the view exactly; beyond it the mapping goes on
    // (nothing is folded back).
    map->ResizeView(256, 256);
    map->SetView(0, 0, 0);
    const std::pair<QPointF, QPoint> cases[]
        = { { { -180, 85.05112877 }, { 0, 0 } }, { { 179.999, -85.05 }, { 255, 255 } },
              { { 0, 66.5132 }, { 128, 64 } }, { { 0, 89 }, { 128, -66 } } };
    for (const auto& [world, pixel] : cases)
        EXPECT_EQ(ScreenOf(world.x(), world.y()), pixel) << world.x() << " " << world.y();
    int sx = 1, sy = 1;
    EXPECT_FALSE(map->WorldToScreen(sx, sy, NAN, 0));
    // The centre cannot leave the Web Mercator square; 22 is the deepest level.
    map->SetView(0, 89, 3);
    double x = 0, y = 0;
    map->GetCenter(x, y);
    EXPECT_DOUBLE_EQ(y, 85.0511287798066);
    map->SetView(116.4, 39.9, 30);
    EXPECT_EQ(map->GetZoomLevel(), 22);
}

// Event handlers see the input first and can keep it from the view; a drag pans, the wheel zooms
// about the cursor, and every view change tells the observers.
TEST(MapView, HandlersSeeInputFirstDragPansWheelZoomsObserversHear)
{
    struct Handler : IOvMapEventHandler
    {
        bool OnMousePressEvent(QMouseEvent*) override { return ++presses, swallow; }
        bool OnMouseMoveEvent(QMouseEvent*) override { return swallow; }
        int presses = 0;
        bool swallow = true;
    } handler;
    IOvMapModule* map = ResetMap();
    RecordingObserver observer;
    map->GetStateEventSubject()->AddObserver(&observer);
    map->AddEventHandler(&handler);
    map->AddEventHandler(&handler); // once only
    const QPointF grabbed = worldAt({ 400, 300 });
    drag({ 400, 300 }, { 500, 350 });
    EXPECT_TRUE(
        handler.presses == 1 && worldAt({ 400, 300 }) == grabbed && observer.events.empty());
    handler.swallow = false;
    drag({ 400, 300 }, { 500, 350 });
    // The map moved with the hand, one event per move.
    EXPECT_EQ(ScreenOf(grabbed.x(), grabbed.y()), QPoint(500, 350));
    EXPECT_EQ(observer.events, (std::vector<std::pair<int, int>>(2, { 1622, 2 })));

    // The point under the cursor stays there; half notches add up.
    const QPointF under = worldAt({ 200, 150 });
    wheel({ 200, 150 }, 120);
    EXPECT_TRUE(map->GetZoomLevel() == 11 && ScreenOf(under.x(), under.y()) == QPoint(200, 150));
    wheel({ 200, 150 }, -60);
    EXPECT_EQ(map->GetZoomLevel(), 11);
    wheel({ 200, 150 }, -60);
    EXPECT_EQ(map->GetZoomLevel(), 10);
    map->ResizeView(640, 480);
    map->SetCenter(120, 30);
    map->SetZoomLevel(5);
    EXPECT_EQ(observer.events.size(), 7u);
    map->GetStateEventSubject()->RemoveObserver(&observer);
    map->RemoveEventHandler(&handler);
    drag({ 400, 300 }, { 450, 300 });
    EXPECT_EQ(handler.presses, 2);
}

TEST(MapView, BaseMapDrawsTheProvidersAreasAndTheRightLayerTheirNames)
{
    IOvMapModule* map = ResetMap();
    QRectF askedBox;
    int askedLevel = -1;
    const QRectF area(QPointF(115.9, 39.6), QPointF(116.9, 40.2));
    map->SetBaseMapProvider([&](const QRectF& box, int level) {
        askedBox = box;
        askedLevel = level;
        return std::vector<tagMapBaseFeature> { { QString::fromUtf8("北京市"),
            { QPolygonF({ area.topLeft(), area.topRight(), area.bottomRight(), QPointF(NAN, 40),
                area.bottomLeft() }) } } };
    });
    const QImage withNames = RenderMap();
    SaveScreenshot(withNames, "base_map");
    EXPECT_TRUE(askedLevel == 10 && askedBox.contains(QPointF(116.4, 39.9)));
    EXPECT_NE(withNames.pixel(ScreenOf(116.1, 39.7)), withNames.pixel(5, 5));

    // Which layer carries the names depends on the map type, as the locator expects: 0 has no
    // label layer, 2 uses its label layer, 5 leaves it unused. Without names the box is one
    // colour: the area's.
    const QRect nameBox(
        ScreenOf(area.center().x(), area.center().y()) - QPoint(40, 15), QSize(80, 30));
    for (const auto& [type, namesOnLabels] : { std::pair(0, false), { 2, true }, { 5, false } }) {
        SCOPED_TRACE(type);
        map->SetMapType(type);
        auto* names = dynamic_cast<IOvTileMapLayer*>(
            map->GetMapLayer(namesOnLabels ? STR_TILE_LABEL_LAYER_NAME : STR_TILE_MAP_LAYER_NAME));
        ASSERT_TRUE(names);
        names->SetTitleShown(false);
        names->SetLabelShown(false);
        names->Redraw();
        const QImage hidden = RenderMap().copy(nameBox);
        EXPECT_EQ(CountNear(hidden, hidden.rect(), QColor(hidden.pixel(0, 0)), 0),
            nameBox.width() * nameBox.height());
        names->SetTitleShown(true);
        names->SetLabelShown(true);
        names->Redraw();
    }
}
