#include "LocateFixture.h"

#include "OvCoordSystem/host/annotation/IAnnotation2DMapLayer.h"
#include "OvCoordSystem/host/events/StateEventObject.h"
#include "OvCoordSystem/host/events/StateEventSubject.h"
#include "OvCoordSystem/host/map/IOvTileMapLayer.h"

#include <QApplication>
#include <QMessageBox>
#include <QPointer>
#include <QTimer>
#include <QToolButton>

namespace {
QString nameOf(IAnnotation2DObject* object)
{
    return QString::fromLocal8Bit(object->GetName().c_str());
}

void expectCentre(double x, double y, int level)
{
    double cx = 0.0;
    double cy = 0.0;
    GetGlobalOvMapModule()->GetCenter(cx, cy);
    EXPECT_NEAR(cx, x, 1e-9);
    EXPECT_NEAR(cy, y, 1e-9);
    EXPECT_EQ(GetGlobalOvMapModule()->GetZoomLevel(), level);
}
} // namespace

TEST_F(LocateTest, ConfiguresItsLayerAndLeavesNothingBehind)
{
    IAnnotation2DMapLayer* layer = locate->GetMapLayer();
    ASSERT_NE(layer, nullptr);
    EXPECT_EQ(layer->GetName(), "__ovlocate__.annotation_layer__");
    EXPECT_EQ(layer->GetMaxDisplayLevel(), 21);
    EXPECT_EQ(layer->GetMinDisplayLevel(), 0);
    EXPECT_EQ(layer->GetMaxLabelLevel(), 20);
    EXPECT_EQ(layer->GetMinLabelLevel(), 6);
    EXPECT_TRUE(layer->IsVisible());
    EXPECT_TRUE(layer->IsLabelVisible());
    EXPECT_TRUE(layer->IsIconFixedSize());
    EXPECT_EQ(layer->GetZOrder(), 600);
    CStateEventSubject* subject = map()->GetStateEventSubject();
    IStateEventObserver* observer = locate.get();
    EXPECT_TRUE(subject->HasObserver(observer));

    // A division with its tool bar on the map: destruction takes both away (TearDown counts).
    ASSERT_TRUE(locate->Location(kChaoyangCode, kChaoyangName, true));
    ASSERT_NE(toolBarProxy(), nullptr);
    locate.reset();
    EXPECT_EQ(toolBarProxy(), nullptr);
    EXPECT_FALSE(subject->HasObserver(observer));
}

// Messages go to the window above the window that holds the locator's parent.
TEST_F(LocateTest, MessagesGoToTheParentWindowOfTheParentWindow)
{
    QWidget main;
    QWidget dialog(&main, Qt::Dialog);
    QWidget panel(&dialog);
    QWidget box(&panel);
    const struct
    {
        QWidget* parent;
        QWidget* dialogParent;
    } cases[] = { { &box, &main }, { &panel, &main }, { &dialog, nullptr }, { &main, nullptr },
        { nullptr, nullptr } };
    ZuMessageBox::setResponder(nullptr);
    for (const auto& c : cases) {
        CLocate locator(c.parent);
        QWidget* seen = reinterpret_cast<QWidget*>(1);
        QTimer::singleShot(0, [&seen] {
            auto* modal = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            ASSERT_NE(modal, nullptr);
            seen = modal->parentWidget();
            EXPECT_EQ(modal->text(), QStringLiteral("坐标不正确!"));
            modal->accept();
        });
        EXPECT_FALSE(locator.Location(QStringLiteral("x"), DEGREE_DECIMAL));
        EXPECT_EQ(seen, c.dialogParent);
    }
}

TEST_F(LocateTest, TypedCoordinateBecomesAFocusedPoint)
{
    const struct
    {
        const char* text;
        E_DEGREE_FOARMAT format;
        const char* title;
        double x;
        double y;
    } cases[] = { { "116.397,39.9", DEGREE_DECIMAL, "116.397,39.9", 116.397, 39.9 },
        { "116 40", DEGREE_DECIMAL, "116.000000,40.000000", 116.0, 40.0 },
        { "120°30′00″E,30°15′00″S", DEGREE_SYMBOLS, "120.5,-30.25", 120.5, -30.25 } };
    for (const auto& c : cases) {
        ASSERT_TRUE(locate->Location(QString::fromUtf8(c.text), c.format)) << c.text;
        IAnnotation2DObject* point = current();
        ASSERT_NE(point, nullptr);
        IAnnotationFeature* feature = point->GetFeature();
        EXPECT_EQ(feature->GetKind(), ANNOTATION_FEATURE_POINT);
        EXPECT_EQ(feature->GetName(), c.title);
        ASSERT_EQ(feature->GetGeometryCount(), 1);
        CGeometryData part;
        feature->GetGeometry(part, 0);
        EXPECT_EQ(part.GetGeometryDataType(), GEOMETRY_DATA_TYPE_POINT);
        ASSERT_EQ(part.GetSize(), 1);
        EXPECT_EQ(part.At(0), CVector3D(c.x, c.y, 0.0));
        EXPECT_EQ(style<CFeatureIconStyle>(point, FEATURE_STYLE_ICON)->GetIconUrl(),
            ":/Resource/LocationSearch/44.png");
        expectDownloadStyle(point);
        EXPECT_TRUE(point->IsVisible());
        EXPECT_TRUE(point->GetPointFlag());
        EXPECT_EQ(point->GetMapLayer(), locate->GetMapLayer());
        expectCentre(c.x, c.y, 14);
    }
    EXPECT_TRUE(messages.isEmpty());
    EXPECT_FALSE(toolBarVisible());
}

TEST_F(LocateTest, RefusedCoordinateShowsTheMessageAndChangesNothing)
{
    ASSERT_TRUE(locate->Location(QStringLiteral("116,40"), DEGREE_DECIMAL));
    IAnnotation2DObject* point = current();
    for (const char* text : { "181,40", "116", "116.5.5,40", "" }) {
        EXPECT_FALSE(locate->Location(QString::fromUtf8(text), DEGREE_DECIMAL)) << text;
        EXPECT_EQ(current(), point);
    }
    ASSERT_EQ(messages.size(), 4);
    for (const QString& message : messages)
        EXPECT_EQ(message, QStringLiteral("坐标不正确!"));
    expectCentre(116.0, 40.0, 14);
}

TEST_F(LocateTest, DestroyPointModuleRemovesOnlyALocatedPoint)
{
    ASSERT_TRUE(locate->Location(kChaoyangCode, kChaoyangName, true));
    locate->DestroyPointModule();
    ASSERT_NE(current(), nullptr);
    EXPECT_EQ(nameOf(current()), kChaoyangName);

    locate->Locate(QStringLiteral("天安门"), 116.3975, 39.9087, 0.0);
    EXPECT_EQ(current()->GetFeature()->GetName(), "\xCC\xEC\xB0\xB2\xC3\xC5"); // GB18030
    locate->DestroyPointModule();
    EXPECT_EQ(current(), nullptr);
}

TEST_F(LocateTest, DivisionIsShownFocusedWithItsToolBar)
{
    ASSERT_TRUE(locate->Location(kChaoyangCode, kChaoyangName, true));
    IAnnotation2DObject* division = current();
    ASSERT_NE(division, nullptr);
    EXPECT_EQ(nameOf(division), kChaoyangName);
    EXPECT_EQ(division->GetFeature()->GetGeometryCount(), 3); // Chaoyang has two exclaves
    expectDownloadStyle(division);
    EXPECT_TRUE(division->IsVisible());
    EXPECT_FALSE(division->GetPointFlag());
    EXPECT_EQ(map()->GetZoomLevel(), 18);
    EXPECT_EQ(locate->GetCurrentCityKey(), kChaoyangCode);
    EXPECT_EQ(locate->GetCurrentCityName(), kChaoyangName);
    EXPECT_TRUE(toolBarVisible());

    // The same name again queries nothing: a query could not finish in time now.
    GetOrCreateLocationDataSearchModule()->SetQueryDelay(300);
    CLocationThread::SetSecondLength(1);
    division->SetVisible(false);
    map()->SetView(0.0, 0.0, 2);
    EXPECT_TRUE(locate->Location(kBeijingCode, kChaoyangName, true));
    EXPECT_EQ(current(), division);
    EXPECT_TRUE(division->IsVisible());
    EXPECT_EQ(map()->GetZoomLevel(), 18);
    EXPECT_FALSE(locate->Location(kBeijingCode, kChaoyangName, false));
    EXPECT_TRUE(logged(OvLogLevel::Error).isEmpty());
}

TEST_F(LocateTest, DivisionWithoutShowIsHiddenAndNotFocused)
{
    ASSERT_TRUE(locate->Location(kBeijingCode, kBeijingName, false));
    ASSERT_NE(current(), nullptr);
    EXPECT_FALSE(current()->IsVisible());
    expectCentre(100.0, 30.0, 3);
    EXPECT_EQ(toolBarProxy(), nullptr);
    EXPECT_EQ(locate->GetCurrentCityName(), kBeijingName);
}

TEST_F(LocateTest, FailedDivisionQueriesKeepThePreviousObjectAndLog)
{
    ASSERT_TRUE(locate->Location(QStringLiteral("116,40"), DEGREE_DECIMAL));
    IAnnotation2DObject* point = current();
    EXPECT_FALSE(locate->Location(QStringLiteral("-1"), QStringLiteral("无"), true));
    EXPECT_TRUE(logged(OvLogLevel::Error).isEmpty());
    EXPECT_FALSE(locate->Location(kUnknownCode, QStringLiteral("无此区划"), true));
    EXPECT_EQ(logged(OvLogLevel::Error), QStringList(QStringLiteral("请求区划范围 无此区划 失败")));
    EXPECT_EQ(current(), point);
    EXPECT_TRUE(locate->GetCurrentCityKey().isEmpty());
    EXPECT_TRUE(messages.isEmpty());
}

TEST_F(LocateTest, ExtentWithToolBarIsADownloadRectangle)
{
    EXTENT extent;
    extent.dX1 = 116.0;
    extent.dY1 = 39.0;
    extent.dX2 = 117.0;
    extent.dY2 = 40.0;
    locate->UpdateGeoExtent(QStringLiteral("矩形"), extent, true);
    IAnnotation2DObject* rectangle = current();
    ASSERT_NE(rectangle, nullptr);
    EXPECT_EQ(rectangle->GetFeature()->GetKind(), ANNOTATION_FEATURE_EXTENT);
    EXPECT_EQ(parts(rectangle),
        QList<QPolygonF>(
            { QPolygonF({ { 116, 39 }, { 117, 39 }, { 117, 40 }, { 116, 40 }, { 116, 39 } }) }));
    // The download style replaces the orange fill set first.
    expectDownloadStyle(rectangle);
    EXPECT_TRUE(rectangle->IsVisible());
    EXPECT_EQ(locate->GetCurrentCityName(), QStringLiteral("矩形"));
    expectCentre(100.0, 30.0, 3);
    // The tool bar hangs 20 pixels below the centre, centred on it (to the pixel).
    ASSERT_TRUE(toolBarVisible());
    int x = 0;
    int y = 0;
    map()->WorldToScreen(x, y, 116.5, 39.5);
    EXPECT_NEAR(toolBarProxy()->pos().x(), x - 42, 1.0);
    EXPECT_NEAR(toolBarProxy()->pos().y(), y + 20, 1.0);

    // Focusing moves the view, and the tool bar goes to the rectangle's anchor, the middle of
    // its bottom edge.
    locate->LocateToExtent(QStringLiteral("矩形"), extent, true);
    expectCentre(116.5, 39.5, 18);
    map()->WorldToScreen(x, y, 116.5, 39.0);
    ASSERT_TRUE(toolBarVisible());
    EXPECT_NEAR(toolBarProxy()->pos().x(), x, 1.0);
    EXPECT_NEAR(toolBarProxy()->pos().y(), y, 1.0);
}

TEST_F(LocateTest, ExtentWithoutToolBarKeepsItsCornerOrderAndStyle)
{
    EXTENT extent;
    extent.dX1 = 116.0;
    extent.dY1 = 39.0;
    extent.dX2 = 117.0;
    extent.dY2 = 40.0;
    locate->UpdateGeoExtent(QStringLiteral("矩形"), extent, false);
    IAnnotation2DObject* rectangle = current();
    ASSERT_NE(rectangle, nullptr);
    const QList<QPolygonF> rings = parts(rectangle);
    EXPECT_EQ(rings,
        QList<QPolygonF>({ QPolygonF({ { 116, 40 }, { 117, 40 }, { 116, 39 }, { 117, 39 } }) }));
    EXPECT_EQ(style<CFeaturePenStyle>(rectangle, FEATURE_STYLE_PEN)->GetWidth(), 1.0);
    EXPECT_TRUE(rectangle->IsVisible());
    EXPECT_EQ(toolBarProxy(), nullptr);
    expectCentre(100.0, 30.0, 3);
}

TEST_F(LocateTest, ExtentWhoseFirstCornerIsNotTheMinimumPlacesNothing)
{
    for (const QPointF& first : { QPointF(117.0, 39.0), QPointF(116.0, 41.0) }) {
        EXTENT extent;
        extent.dX1 = first.x();
        extent.dY1 = first.y();
        extent.dX2 = 117.0;
        extent.dY2 = 40.0;
        locate->UpdateGeoExtent(QStringLiteral("反"), extent, true);
        ASSERT_NE(current(), nullptr);
        EXPECT_EQ(current()->GetFeature()->GetGeometryCount(), 0);
        EXPECT_EQ(toolBarProxy(), nullptr);
        EXPECT_TRUE(locate->GetCurrentCityName().isEmpty());
    }
}

// Names go to the label layer only on maps whose label layer is in use.
TEST_F(LocateTest, TitlesAreSwitchedOnTheLayerInUse)
{
    auto* base = dynamic_cast<IOvTileMapLayer*>(map()->GetMapLayer(STR_TILE_MAP_LAYER_NAME));
    auto* label = dynamic_cast<IOvTileMapLayer*>(map()->GetMapLayer(STR_TILE_LABEL_LAYER_NAME));
    ASSERT_TRUE(base && label);
    const struct
    {
        ENUM_MAP_TYPE type;
        IOvTileMapLayer* used;
        IOvTileMapLayer* other;
    } cases[] = { { MAP_OPENSTREETMAP, base, label }, { MAP_GOOGLE_SATELLITE, label, base },
        { MAP_GOOGLE_EARTH, base, label }, { MAP_TIANDITU_IMAGE, base, label },
        { MAP_TIANDITU_VECTOR, label, base } };
    for (const auto& c : cases) {
        map()->SetMapType(c.type);
        for (bool shown : { false, true }) {
            c.other->SetTitleShown(!shown);
            c.other->SetLabelShown(!shown);
            c.other->Redraw();
            locate->SetTitleVisible(shown);
            EXPECT_EQ(c.used->IsTitleShown(), shown) << c.type;
            EXPECT_EQ(c.used->IsLabelShown(), shown) << c.type;
            EXPECT_EQ(c.other->IsTitleShown(), !shown) << c.type;
        }
    }
    for (IOvTileMapLayer* layer : { base, label }) {
        layer->SetTitleShown(true);
        layer->SetLabelShown(true);
        layer->Redraw();
    }
}

TEST_F(LocateTest, ToolBarIsPlacedAgainWhenTheViewChangesUntilClosed)
{
    ASSERT_TRUE(locate->Location(kChaoyangCode, kChaoyangName, true));
    QToolBar* first = toolBar();
    ASSERT_NE(first, nullptr);
    QPointer<QToolBar> watch(first);
    map()->SetCenter(116.0, 39.0);
    EXPECT_TRUE(watch.isNull()); // rebuilt
    EXPECT_TRUE(toolBarVisible());
    EXPECT_FALSE(locate->OnStateChanged(CStateEventObject(STATE_TYPE_MAP_VIEW, 1)));

    toolBar()->findChild<QToolButton*>(QStringLiteral("btnCloseRange"))->click();
    EXPECT_EQ(current(), nullptr);
    map()->SetCenter(117.0, 39.0);
    EXPECT_FALSE(toolBarVisible());
}
