#include "MapTestSupport.h"

#include "OvCoordSystem/host/graphics/IOvGraphicsModule.h"
#include "OvCoordSystem/host/graphics/IOvSceneItem.h"

#include <QLabel>
#include <QPointer>
#include <QToolButton>

#include <set>

namespace {
const QColor kWidgetColor(255, 140, 0), kRangeColor(0, 0, 255);

QLabel* colouredLabel()
{
    auto* label = new QLabel;
    label->setAutoFillBackground(true);
    label->setStyleSheet("background: rgb(255, 140, 0);");
    return label;
}

QRect screenRect(IOvSceneItem* item)
{
    int x = 0, y = 0, w = 0, h = 0;
    item->GetScreenRect(x, y, w, h);
    return QRect(x, y, w, h);
}

class GraphicsTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        map = ResetMap();
        layer = GetOrCreateAnnotation2DModule()->CreateMapLayer("ranges");
        layer->SetZOrder(600);
        layer->Commit();
        graphics = GetGlobalOvGraphicsModule();
        item = graphics->CreateSceneItem("当前范围", layer);
        item->SetWidget(colouredLabel());
        item->SetSize(84, 24);
        item->SetPosition(CVector3D(116.4, 39.9));
        item->SetScreenFixed(true);
    }
    void TearDown() override
    {
        graphics->RemoveSceneItem(item);
        if (range) GetOrCreateAnnotation2DModule()->DestroyObject(range);
        GetOrCreateAnnotation2DModule()->DestroyMapLayer(layer);
        EXPECT_EQ(graphics->GetSceneItemCount(), 0);
    }

    IOvMapModule* map = nullptr;
    IAnnotation2DMapLayer* layer = nullptr;
    IOvGraphicsModule* graphics = nullptr;
    IOvSceneItem* item = nullptr;
    IAnnotation2DObject* range = nullptr;
};
} // namespace

TEST_F(GraphicsTest, ItemShowsItsWidgetAtItsMapPositionWithAFixedPixelSize)
{
    EXPECT_TRUE(screenRect(item).isEmpty()); // items start hidden
    EXPECT_EQ(CountNear(RenderMap(), QRect(0, 0, 800, 600), kWidgetColor, 0), 0);
    item->SetVisible(true);
    for (int level : { 10, 13, 4 }) {
        SCOPED_TRACE(level);
        map->SetView(116.38, 39.91, level);
        const QRect expected(ScreenOf(116.4, 39.9), QSize(84, 24));
        EXPECT_EQ(screenRect(item), expected);
        const QImage image = RenderMap();
        EXPECT_EQ(CountNear(image, expected.adjusted(1, 1, -1, -1), kWidgetColor, 0), 82 * 22);
        EXPECT_EQ(CountNear(image, QRect(0, 0, 800, 600), kWidgetColor, 0), 84 * 24);
    }
    // Not screen-fixed, the size is the one at level 10 and scales with the zoom.
    map->SetZoomLevel(10);
    item->SetScreenFixed(false);
    map->SetZoomLevel(11);
    EXPECT_EQ(screenRect(item).size(), QSize(168, 48));
    map->SetZoomLevel(9);
    EXPECT_EQ(screenRect(item).size(), QSize(42, 12));
    item->SetVisible(false);
    EXPECT_EQ(CountNear(RenderMap(), QRect(0, 0, 800, 600), kWidgetColor, 0), 0);
}

TEST_F(GraphicsTest, ZValueStacksTheWidgetOverOrUnderAnnotations)
{
    range = MakeBox(layer, QRectF(116.3, 39.8, 0.3, 0.2), kRangeColor);
    item->SetVisible(true);
    const QPoint inside = ScreenOf(116.4, 39.9) + QPoint(10, 10);
    EXPECT_LE(ColorDistance(RenderMap().pixel(inside), kWidgetColor),
        5); // layer z-order + 1
    item->SetZValue(layer->GetZOrder() - 1);
    EXPECT_LE(ColorDistance(RenderMap().pixel(inside), kRangeColor), 5);
}

TEST_F(GraphicsTest, BoundItemFollowsItsObject)
{
    range = MakeBox(layer, QRectF(116.3, 39.8, 0.3, 0.2), kRangeColor);
    CVector3D anchor;
    ASSERT_TRUE(range->GetFeature()->GetAnchor(anchor));
    item->SetPosition(anchor);
    item->SetVisible(true);
    graphics->BindSceneItem(item, { range->GetGraphicsItem()->GetId() });
    const QPoint before = screenRect(item).topLeft();

    // The range moves a tenth of a degree east: so does the item, keeping its
    // offset.
    range->GetFeature()->ClearGeometry();
    range->GetFeature()->AddGeometry(BoxRing(QRectF(116.4, 39.8, 0.3, 0.2)));
    range->Update();
    range->Refresh();
    const int tenthOfADegree = ScreenOf(116.5, 39.9).x() - ScreenOf(116.4, 39.9).x();
    EXPECT_NEAR(screenRect(item).left() - before.x(), tenthOfADegree, 1);
    EXPECT_EQ(screenRect(item).top(), before.y());

    // Hidden and shown with the object; hidden when it is gone.
    range->SetVisible(false);
    EXPECT_FALSE(item->IsVisible());
    range->SetVisible(true);
    EXPECT_TRUE(item->IsVisible());
    GetOrCreateAnnotation2DModule()->DestroyObject(range);
    range = nullptr;
    EXPECT_TRUE(!item->IsVisible() && screenRect(item).isEmpty());
}

TEST_F(GraphicsTest, RemovingAnItemFreesItsWidgetAndNullsAreIgnored)
{
    QPointer<QWidget> widget = item->GetWidget();
    QPointer<QWidget> replacement = colouredLabel();
    item->SetWidget(replacement);
    EXPECT_TRUE(widget.isNull()); // the replaced widget is freed
    graphics->RemoveSceneItem(graphics->CreateSceneItem("other", nullptr));
    graphics->RemoveSceneItem(nullptr);
    graphics->BindSceneItem(nullptr, { 1 });
    EXPECT_EQ(graphics->GetSceneItemCount(), 1);
    graphics->RemoveSceneItem(item);
    item = nullptr;
    EXPECT_TRUE(replacement.isNull());
}

TEST_F(GraphicsTest, ClicksOnTheWidgetReachItInsteadOfPanningTheMap)
{
    auto* button = new QToolButton;
    item->SetWidget(button);
    item->SetSize(24, 24);
    item->SetVisible(true);
    int clicks = 0;
    QObject::connect(button, &QToolButton::clicked, [&] { ++clicks; });

    const QPoint at = screenRect(item).center();
    double x = 0, y = 0;
    map->GetCenter(x, y);
    SendMouse(QEvent::MouseButtonPress, at, Qt::LeftButton, Qt::LeftButton);
    SendMouse(QEvent::MouseButtonRelease, at, Qt::LeftButton, Qt::NoButton);
    EXPECT_EQ(clicks, 1);
    double x2 = 0, y2 = 0;
    map->GetCenter(x2, y2);
    EXPECT_EQ(QPointF(x, y), QPointF(x2, y2));
}

TEST_F(GraphicsTest, ScreenshotOfAMapWithBaseMapRangePointAndToolBar)
{
    // Two districts as base map, a download range over one, a located point and a
    // tool bar bound to the range: what a person sees after locating a division.
    map->SetBaseMapProvider([](const QRectF&, int) {
        tagMapBaseFeature west, east;
        west.name = QString::fromUtf8("西城区");
        west.rings << QPolygonF(
            { { 116.0, 39.7 }, { 116.4, 39.75 }, { 116.4, 40.1 }, { 116.05, 40.05 } });
        east.name = QString::fromUtf8("东城区");
        east.rings << QPolygonF(
            { { 116.4, 39.75 }, { 116.8, 39.7 }, { 116.75, 40.1 }, { 116.4, 40.1 } });
        return std::vector<tagMapBaseFeature> { west, east };
    });
    range = MakeBox(layer, QRectF(116.45, 39.8, 0.25, 0.2), QColor(0, 0, 255, 32), Qt::red);
    range->SetName("range");
    CVector3D anchor;
    range->GetFeature()->GetAnchor(anchor);
    item->SetPosition(anchor);
    item->SetVisible(true);
    graphics->BindSceneItem(item, { range->GetGraphicsItem()->GetId() });
    GetOrCreateAnnotation2DModule()->FocusObject(range, 10);

    const QImage image = RenderMap();
    SaveScreenshot(image, "map_view");
    EXPECT_EQ(image.size(), QSize(800, 600));
    // Not blank: sea, two districts, the range, its outline and the tool bar all
    // show.
    std::set<QRgb> colours;
    for (int y = 0; y < image.height(); y += 4)
        for (int x = 0; x < image.width(); x += 4)
            colours.insert(image.pixel(x, y));
    EXPECT_GT(colours.size(), 5u);
    EXPECT_GT(CountNear(image, image.rect(), kWidgetColor, 0), 84 * 24 / 2);
    EXPECT_GT(CountNear(image, image.rect(), Qt::red, 60), 300);
}
