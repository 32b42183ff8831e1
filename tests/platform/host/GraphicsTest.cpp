#include "MapTestSupport.h"

#include "OvCoordSystem/host/graphics/IOvGraphicsModule.h"
#include "OvCoordSystem/host/graphics/IOvSceneItem.h"

#include <QLabel>
#include <QPointer>

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

class GraphicsTest : public MapLayerTest
{
protected:
    void SetUp() override
    {
        MapLayerTest::SetUp();
        item = graphics->CreateSceneItem("当前范围", layer);
        item->SetWidget(colouredLabel());
        item->SetSize(84, 24);
        item->SetPosition(CVector3D(116.4, 39.9));
        item->SetScreenFixed(true);
    }
    void TearDown() override
    {
        graphics->RemoveSceneItem(item);
        MapLayerTest::TearDown();
        EXPECT_EQ(graphics->GetSceneItemCount(), 0);
    }

    IOvGraphicsModule* graphics = GetGlobalOvGraphicsModule();
    IOvSceneItem* item = nullptr;
};
} // namespace

TEST_F(GraphicsTest, ItemShowsItsWidgetAtItsMapPositionAndFreesItWhenRemoved)
{
    EXPECT_TRUE(screenRect(item).isEmpty()); // items start hidden
    item->SetVisible(true);
    for (int level : { 10, 4 }) {
        SCOPED_TRACE(level);
        map->SetView(116.38, 39.91, level);
        const QRect expected(ScreenOf(116.4, 39.9), QSize(84, 24));
        EXPECT_EQ(screenRect(item), expected);
        EXPECT_EQ(CountNear(RenderMap(), expected, kWidgetColor, 0), 84 * 24);
    }
    // Not screen-fixed, the size is the one at level 10 and scales with the zoom.
    map->SetZoomLevel(10);
    item->SetScreenFixed(false);
    map->SetZoomLevel(11);
    EXPECT_EQ(screenRect(item).size(), QSize(168, 48));
    map->SetZoomLevel(9);
    EXPECT_EQ(screenRect(item).size(), QSize(42, 12));

    // Removing an item, or replacing its widget, frees the widget; nulls are ignored.
    QPointer<QWidget> widget = item->GetWidget();
    QPointer<QWidget> replacement = colouredLabel();
    item->SetWidget(replacement);
    EXPECT_TRUE(widget.isNull()); // the replaced widget is freed
    graphics->RemoveSceneItem(nullptr);
    graphics->BindSceneItem(nullptr, { 1 });
    graphics->RemoveSceneItem(item);
    item = nullptr;
    EXPECT_TRUE(replacement.isNull());
}

TEST_F(GraphicsTest, BoundItemFollowsItsObject)
{
    IAnnotation2DObject* range = box(QRectF(116.3, 39.8, 0.3, 0.2), kRangeColor);
    item->SetVisible(true);
    // Above its layer's annotations unless told otherwise.
    const QPoint inside = ScreenOf(116.4, 39.9) + QPoint(10, 10);
    EXPECT_LE(ColorDistance(RenderMap().pixel(inside), kWidgetColor), 5);
    item->SetZValue(layer->GetZOrder() - 1);
    EXPECT_LE(ColorDistance(RenderMap().pixel(inside), kRangeColor), 5);

    CVector3D anchor;
    ASSERT_TRUE(range->GetFeature()->GetAnchor(anchor));
    item->SetPosition(anchor);
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
    module->DestroyObject(range);
    objects.clear();
    EXPECT_TRUE(!item->IsVisible() && screenRect(item).isEmpty());
}
