#include "MapTestSupport.h"

#include "OvCoordSystem/host/events/StateEventObject.h"
#include "OvCoordSystem/host/events/StateEventObserver.h"
#include "OvCoordSystem/host/events/StateEventSubject.h"
#include "OvCoordSystem/host/map/IOvMapEventHandler.h"
#include "OvCoordSystem/host/map/IOvTileMapLayer.h"

#include <QAbstractScrollArea>
#include <QApplication>
#include <QMouseEvent>
#include <QWheelEvent>
#include <QWidget>

#include <gtest/gtest.h>

#include <cmath>
#include <utility>
#include <vector>

namespace {
class RecordingObserver : public IStateEventObserver
{
public:
    bool OnStateChanged(const CStateEventObject& event) override
    {
        events.emplace_back(event.GetStateType(), event.GetEventCode());
        if (onEvent) onEvent();
        return false;
    }
    std::vector<std::pair<int, int>> events;
    std::function<void()> onEvent;
};

// Observers attached for one test.
struct Listening
{
    explicit Listening(IStateEventObserver* o)
        : observer(o)
    {
        GetGlobalOvMapModule()->GetStateEventSubject()->AddObserver(o);
    }
    ~Listening() { GetGlobalOvMapModule()->GetStateEventSubject()->RemoveObserver(observer); }
    IStateEventObserver* observer;
};

QWidget* viewportOfMap()
{
    return static_cast<QAbstractScrollArea*>(GetGlobalOvMapModule()->GetMapWidget())->viewport();
}

void sendMouse(QEvent::Type type, QPoint pos, Qt::MouseButton button, Qt::MouseButtons buttons)
{
    QWidget* viewport = viewportOfMap();
    QMouseEvent event(type, pos, viewport->mapToGlobal(pos), button, buttons, Qt::NoModifier);
    QApplication::sendEvent(viewport, &event);
}

void drag(QPoint from, QPoint to)
{
    sendMouse(QEvent::MouseButtonPress, from, Qt::LeftButton, Qt::LeftButton);
    sendMouse(QEvent::MouseMove, (from + to) / 2, Qt::NoButton, Qt::LeftButton);
    sendMouse(QEvent::MouseMove, to, Qt::NoButton, Qt::LeftButton);
    sendMouse(QEvent::MouseButtonRelease, to, Qt::LeftButton, Qt::NoButton);
}

void wheel(QPoint at, int delta)
{
    QWidget* viewport = viewportOfMap();
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

TEST(MapView, ScreenWorldRoundTripIsExactAtEveryZoomAndLatitude)
{
    IOvMapModule* map = ResetMap();
    for (int level : { 0, 3, 10, 18, 22 })
        for (double lat : { -85.0511287798066, -60.0, 0.0, 39.9, 85.0511287798066 }) {
            map->SetView(116.39, lat, level);
            for (int sx : { 0, 1, 399, 799 })
                for (int sy : { 0, 300, 599 }) {
                    const QPointF world = worldAt(QPoint(sx, sy));
                    EXPECT_EQ(ScreenOf(world.x(), world.y()), QPoint(sx, sy))
                        << level << " " << lat;
                }
        }
}

TEST(MapView, WorldToScreenFollowsTheTileGrid)
{
    IOvMapModule* map = ResetMap();
    // Level 0 is one 256-pixel tile: centred on (0, 0) in a 256 × 256 view, the Web Mercator
    // square fills the view exactly.
    map->ResizeView(256, 256);
    map->SetView(0, 0, 0);
    const struct
    {
        double x, y;
        QPoint pixel;
    } cases[] = {
        { -180, 85.05112877, { 0, 0 } },
        { 0, 0, { 128, 128 } },
        { 179.999, -85.05, { 255, 255 } },
        { 90, 0, { 192, 128 } },
        { 0, 66.5132, { 128, 64 } }, // a quarter of the way down the square
        // Beyond the square the mapping goes on (nothing is folded back).
        { 0, 89.0, { 128, -66 } },
    };
    for (const auto& c : cases)
        EXPECT_EQ(ScreenOf(c.x, c.y), c.pixel) << c.x << " " << c.y;
    int sx = 1, sy = 1;
    EXPECT_FALSE(map->WorldToScreen(sx, sy, NAN, 0));
    // The centre cannot leave the Web Mercator square.
    map->SetView(0, 89, 3);
    double x = 0, y = 0;
    map->GetCenter(x, y);
    EXPECT_DOUBLE_EQ(y, 85.0511287798066);
    // Level 22 is the deepest; pixels there are about 4 cm at Beijing.
    map->SetView(116.4, 39.9, 30);
    EXPECT_EQ(map->GetZoomLevel(), 22);
    EXPECT_NEAR(
        map->CalcDistance(worldAt({ 0, 0 }).x(), 39.9, worldAt({ 100, 0 }).x(), 39.9), 2.85, 0.05);
}

TEST(MapView, DragPansAndEveryViewChangeTellsTheObservers)
{
    IOvMapModule* map = ResetMap();
    RecordingObserver observer;
    Listening listening(&observer);
    const QPointF grabbed = worldAt({ 400, 300 });
    drag({ 400, 300 }, { 500, 350 });
    // The map moved with the hand.
    EXPECT_EQ(ScreenOf(grabbed.x(), grabbed.y()), QPoint(500, 350));
    ASSERT_EQ(observer.events.size(), 2u); // one per move
    for (const auto& event : observer.events)
        EXPECT_EQ(event, std::make_pair(1622, 2));

    observer.events.clear();
    const QPointF under = worldAt({ 200, 150 });
    wheel({ 200, 150 }, 120);
    EXPECT_EQ(map->GetZoomLevel(), 11);
    // The point under the cursor stays there.
    EXPECT_EQ(ScreenOf(under.x(), under.y()), QPoint(200, 150));
    // Half notches add up.
    wheel({ 200, 150 }, -60);
    EXPECT_EQ(map->GetZoomLevel(), 11);
    wheel({ 200, 150 }, -60);
    EXPECT_EQ(map->GetZoomLevel(), 10);
    map->ResizeView(640, 480);
    map->SetCenter(120, 30);
    map->SetZoomLevel(5);
    EXPECT_EQ(observer.events.size(), 5u);
}

TEST(MapView, EventHandlersSeeInputFirstAndCanKeepItFromTheView)
{
    struct Handler : IOvMapEventHandler
    {
        bool OnMousePressEvent(QMouseEvent*) override { return ++presses, swallow; }
        bool OnMouseMoveEvent(QMouseEvent*) override { return swallow; }
        int presses = 0;
        bool swallow = true;
    } handler;
    IOvMapModule* map = ResetMap();
    map->AddEventHandler(&handler);
    map->AddEventHandler(&handler); // once only
    const QPointF before = worldAt({ 400, 300 });
    drag({ 400, 300 }, { 450, 300 });
    EXPECT_EQ(handler.presses, 1);
    EXPECT_EQ(worldAt({ 400, 300 }), before);
    handler.swallow = false;
    drag({ 400, 300 }, { 450, 300 });
    EXPECT_NE(worldAt({ 400, 300 }), before);
    map->RemoveEventHandler(&handler);
    drag({ 400, 300 }, { 450, 300 });
    EXPECT_EQ(handler.presses, 2);
}

TEST(MapView, ObserversMayDetachDuringNotification)
{
    CStateEventSubject subject;
    RecordingObserver first, second, late;
    first.onEvent = [&] {
        subject.RemoveObserver(&second);
        subject.AddObserver(&late);
    };
    subject.AddObserver(&first);
    subject.AddObserver(&second);
    subject.AddObserver(&first);
    subject.AddObserver(nullptr);
    subject.Notify(CStateEventObject(1622, 2));
    EXPECT_EQ(first.events.size(), 1u);
    EXPECT_TRUE(second.events.empty());
    EXPECT_TRUE(late.events.empty());
    subject.Notify(CStateEventObject(7, 1));
    EXPECT_EQ(late.events, (std::vector<std::pair<int, int>> { { 7, 1 } }));
}

TEST(MapView, MapTypeTakesKnownTypesOnly)
{
    IOvMapModule* map = ResetMap();
    const QRgb vectorSea = RenderMap().pixel(5, 5);
    map->SetMapType(1602);
    EXPECT_EQ(map->GetMapType(), 1602);
    map->SetMapType(999);
    EXPECT_EQ(map->GetMapType(), 1602);
    // Imagery types are drawn dark.
    EXPECT_NE(RenderMap().pixel(5, 5), vectorSea);
    EXPECT_EQ(map->GetMapLayer("no such layer"), nullptr);
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
        tagMapBaseFeature feature;
        feature.name = QString::fromUtf8("北京市");
        feature.rings << QPolygonF({ area.topLeft(), area.topRight(), area.bottomRight(),
            QPointF(NAN, 40), area.bottomLeft() });
        return std::vector<tagMapBaseFeature> { feature };
    });
    const QImage withNames = RenderMap();
    SaveScreenshot(withNames, "base_map");
    EXPECT_EQ(askedLevel, 10);
    EXPECT_TRUE(askedBox.contains(QPointF(116.4, 39.9)));
    const QPoint inside = ScreenOf(116.1, 39.7);
    EXPECT_NE(withNames.pixel(inside), withNames.pixel(5, 5));

    // Which layer carries the names depends on the map type, as the locator expects.
    const struct
    {
        int mapType;
        const char* namesLayer;
        const char* otherLayer;
    } cases[] = {
        { 0, STR_TILE_MAP_LAYER_NAME, STR_TILE_LABEL_LAYER_NAME }, // no label layer
        { 2, STR_TILE_LABEL_LAYER_NAME, STR_TILE_MAP_LAYER_NAME }, // a label layer
        { 5, STR_TILE_MAP_LAYER_NAME, STR_TILE_LABEL_LAYER_NAME }, // its label layer unused
    };
    const QRect nameBox(
        ScreenOf(area.center().x(), area.center().y()) - QPoint(40, 15), QSize(80, 30));
    for (const auto& c : cases) {
        SCOPED_TRACE(c.mapType);
        map->SetMapType(c.mapType);
        const QImage shown = RenderMap();
        auto* names = dynamic_cast<IOvTileMapLayer*>(map->GetMapLayer(c.namesLayer));
        auto* other = dynamic_cast<IOvTileMapLayer*>(map->GetMapLayer(c.otherLayer));
        ASSERT_TRUE(names && other);
        other->SetTitleShown(false);
        other->SetLabelShown(false);
        other->Redraw();
        EXPECT_EQ(RenderMap().copy(nameBox), shown.copy(nameBox));
        names->SetTitleShown(false);
        names->SetLabelShown(false);
        EXPECT_EQ(RenderMap().copy(nameBox), shown.copy(nameBox)); // not before Redraw
        names->Redraw();
        const QImage hidden = RenderMap();
        EXPECT_NE(hidden.copy(nameBox), shown.copy(nameBox));
        // Without names the box is one colour: the area's.
        EXPECT_EQ(CountNear(hidden, nameBox, QColor(hidden.pixel(nameBox.topLeft())), 0),
            nameBox.width() * nameBox.height());
        for (IOvTileMapLayer* layer : { names, other }) {
            layer->SetTitleShown(true);
            layer->SetLabelShown(true);
            layer->Redraw();
        }
        EXPECT_EQ(RenderMap().copy(nameBox), shown.copy(nameBox));
    }
}
