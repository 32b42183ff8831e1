#include "LocateFixture.h"

#include "OvCoordSystem/host/app/SoftwareType.h"
#include "OvCoordSystem/host/map/IOvTileMapLayer.h"

#include <QMessageBox>
#include <QPointer>
#include <QSignalSpy>

namespace {
// The view's centre and zoom level.
QString view()
{
    double x = 0.0;
    double y = 0.0;
    GetGlobalOvMapModule()->GetCenter(x, y);
    return QStringLiteral("%1,%2@%3").arg(x).arg(y).arg(GetGlobalOvMapModule()->GetZoomLevel());
}

// The pixel of a map point, and where the tool bar's top-left corner is.
QPoint pixel(double x, double y)
{
    QPoint p;
    GetGlobalOvMapModule()->WorldToScreen(p.rx(), p.ry(), x, y);
    return p;
}
void destroy(std::initializer_list<IAnnotation2DObject*> objects)
{
    for (IAnnotation2DObject* object : objects)
        GetOrCreateAnnotation2DModule()->DestroyObject(object);
}
const char kSigDownRange[] = "2SigDownRange()";
} // namespace

// Messages go to the window above the window of the locator's parent.
TEST_F(LocateTest, MessagesGoToTheParentOfTheParentWindow)
{
    QWidget main;
    QWidget dialog(&main, Qt::Dialog);
    QWidget panel(&dialog);
    ZuMessageBox::setResponder(nullptr);
    CLocate locator(&panel);
    QWidget* seen = nullptr;
    widgettest::onModal([&seen](QWidget* box) {
        EXPECT_EQ(static_cast<QMessageBox*>(box)->text(), QStringLiteral("坐标不正确!"));
        seen = box->parentWidget();
        static_cast<QMessageBox*>(box)->accept();
    });
    EXPECT_FALSE(locator.Location(QStringLiteral("x"), DEGREE_DECIMAL));
    EXPECT_EQ(seen, &main);
}

TEST_F(LocateTest, TypedCoordinateBecomesAFocusedPoint)
{
    const std::tuple<const char*, E_DEGREE_FOARMAT, const char*, const char*> cases[] = {
        { "116 40", DEGREE_DECIMAL, "116.000000,40.000000", "116,40@14" },
        { "-116.5，-0.25", DEGREE_DECIMAL, "-116.5,-0.25", "-116.5,-0.25@14" },
        { "120°30′00″E,30°15′00″S", DEGREE_SYMBOLS, "120.5,-30.25", "120.5,-30.25@14" },
    }; // text, format, title, view
    for (const auto& [text, format, title, focused] : cases) {
        ASSERT_TRUE(locate->Location(QString::fromUtf8(text), format)) << text;
        IAnnotationFeature* feature = current()->GetFeature();
        EXPECT_TRUE(feature->GetKind() == ANNOTATION_FEATURE_POINT && feature->GetName() == title);
        EXPECT_TRUE(
            hasDownloadStyle(current()) && current()->IsVisible() && current()->GetPointFlag());
        EXPECT_EQ(view(), focused);
    }
    EXPECT_FALSE(toolBarVisible());

    // Refused text: the message, and nothing changes.
    IAnnotation2DObject* point = current();
    for (const char* text : { "181,40", "" })
        EXPECT_FALSE(locate->Location(QString::fromUtf8(text), DEGREE_DECIMAL)) << text;
    EXPECT_EQ(messages,
        QStringList({ QStringLiteral("坐标不正确! 1024"), QStringLiteral("坐标不正确! 1024") }));
    EXPECT_EQ(current(), point);
    locate->DestroyPointModule();
    EXPECT_EQ(current(), nullptr);
}

TEST_F(LocateTest, DivisionsShownFocusedOrHiddenAndFailedQueries)
{
    ASSERT_TRUE(locate->Location(kBeijing, QStringLiteral("北京市"), false));
    IAnnotation2DObject* beijing = current();
    EXPECT_TRUE(!beijing->IsVisible() && !toolBarProxy());
    EXPECT_EQ(view(), QStringLiteral("100,30@3"));
    EXPECT_FALSE(locate->Location(QStringLiteral("-1"), QStringLiteral("无"), true));
    EXPECT_FALSE(locate->Location(kUnknownCode, QStringLiteral("无此区划"), true));
    EXPECT_EQ(logged(OvLogLevel::Error), QStringList(QStringLiteral("请求区划范围 无此区划 失败")));
    EXPECT_TRUE(current() == beijing && messages.isEmpty());

    ASSERT_TRUE(locate->Location(kChaoyang, QStringLiteral("朝阳区"), true));
    IAnnotation2DObject* division = current();
    EXPECT_EQ(QString::fromLocal8Bit(division->GetName().c_str()), QStringLiteral("朝阳区"));
    EXPECT_TRUE(hasDownloadStyle(division) && division->IsVisible() && toolBarVisible());
    EXPECT_EQ(map()->GetZoomLevel(), 18);
    locate->DestroyPointModule(); // no point was located: the division stays
    EXPECT_EQ(current(), division);
    // The same name again queries nothing (a query could not finish in time now).
    GetOrCreateLocationDataSearchModule()->SetQueryDelay(300);
    CLocationThread::SetSecondLength(1);
    division->SetVisible(false);
    map()->SetView(0.0, 0.0, 2);
    EXPECT_TRUE(locate->Location(kBeijing, QStringLiteral("朝阳区"), true));
    EXPECT_TRUE(current() == division && division->IsVisible() && map()->GetZoomLevel() == 18);
    EXPECT_FALSE(locate->Location(kBeijing, QStringLiteral("朝阳区"), false));
    EXPECT_EQ(logged(OvLogLevel::Error).size(), 1);
}

TEST_F(LocateTest, ExtentsAsRangesAndAsPlainRectangles)
{
    const EXTENT extent { 116.0, 39.0, 117.0, 40.0 };
    locate->UpdateGeoExtent(QStringLiteral("矩形"), extent, true);
    EXPECT_EQ(parts(current()),
        QList<QPolygonF>(
            { QPolygonF({ { 116, 39 }, { 117, 39 }, { 117, 40 }, { 116, 40 }, { 116, 39 } }) }));
    EXPECT_TRUE(hasDownloadStyle(current()) && current()->IsVisible()); // not the orange fill
    EXPECT_EQ(view(), QStringLiteral("100,30@3"));
    // The tool bar hangs 20 pixels below the centre, centred on it (to the pixel).
    ASSERT_TRUE(toolBarVisible());
    const QPoint below = toolBarProxy()->pos().toPoint() - pixel(116.5, 39.5) - QPoint(-42, 20);
    EXPECT_LE(below.manhattanLength(), 2);

    // Focused, the view moves and the tool bar goes to the anchor (middle of the bottom edge).
    locate->LocateToExtent(QStringLiteral("矩形"), extent, true);
    EXPECT_EQ(view(), QStringLiteral("116.5,39.5@18"));
    EXPECT_LE((toolBarProxy()->pos().toPoint() - pixel(116.5, 39.0)).manhattanLength(), 2);

    locate->UpdateGeoExtent(QStringLiteral("矩形"), extent, false);
    EXPECT_EQ(parts(current()),
        QList<QPolygonF>({ QPolygonF({ { 116, 40 }, { 117, 40 }, { 116, 39 }, { 117, 39 } }) }));
    EXPECT_TRUE(!hasDownloadStyle(current()) && current()->IsVisible());

    // A first corner that is not the minimum places neither geometry nor tool bar.
    locate->ClearMapLocate();
    locate->UpdateGeoExtent(QStringLiteral("反"), EXTENT { 117, 39, 116, 40 }, true);
    EXPECT_TRUE(current()->GetFeature()->GetGeometryCount() == 0 && !toolBarProxy());
}

// Names go to the label layer only on maps whose label layer is in use.
TEST_F(LocateTest, TitlesAreSwitchedOnTheLayerInUse)
{
    auto* base = dynamic_cast<IOvTileMapLayer*>(map()->GetMapLayer(STR_TILE_MAP_LAYER_NAME));
    auto* label = dynamic_cast<IOvTileMapLayer*>(map()->GetMapLayer(STR_TILE_LABEL_LAYER_NAME));
    for (const auto& [type, used] :
        { std::pair(MAP_OPENSTREETMAP, base), std::pair(MAP_GOOGLE_SATELLITE, label),
            std::pair(MAP_GOOGLE_EARTH, base), std::pair(MAP_TIANDITU_IMAGE, base) }) {
        map()->SetMapType(type);
        for (bool shown : { false, true }) {
            locate->SetTitleVisible(shown);
            EXPECT_TRUE(used->IsTitleShown() == shown && used->IsLabelShown() == shown) << type;
            EXPECT_TRUE((used == base ? label : base)->IsTitleShown()) << type;
        }
    }
}

// Sheets per side of a 1:1,000,000 sheet at each scale letter, from the standard's scale series
// (1:500,000 halves the 6° x 4° sheet, 1:250,000 quarters it, 1:100,000 sheets are 30' x 20', ...).
TEST(MapSheet, ScaleLettersAndNumbers)
{
    for (const auto& [scale, n] : { std::pair('B', 2), std::pair('C', 4), std::pair('D', 12),
             std::pair('E', 24), std::pair('F', 48), std::pair('G', 96), std::pair('H', 192),
             std::pair('A', -2), std::pair('b', -2) }) {
        int low = 7;
        int high = 7;
        CLocate::GetMapSheetRange(scale, low, high);
        EXPECT_TRUE(low == (n < 0 ? -1 : 0) && high == n + 1) << scale;
    }
    const std::pair<const char*, bool> cases[] = { { "J50", true }, { "V60", true },
        { "A01", true }, { "J00", false }, { "J61", false }, { "W50", false }, { "j50", false },
        { "J500", false }, { "J50H192192", true }, { "J50H193001", false }, { "J50D012012", true },
        { "J50D013001", false }, { "J50D000005", false }, { "J50D001013", false },
        { "J50I001001", false }, { "J50D01001", false },
        { "J61D001001", true }, // the 1:1,000,000 column of a larger scale is not checked
        { "J50\n", false }, { "J50D001001\n", false }, { "", false } };
    for (const auto& [number, valid] : cases)
        EXPECT_EQ(CLocate::MapsheetRegCheck(QString::fromLatin1(number)), valid) << number;
    // The part checks refuse lists of the wrong length or with a missing scale letter.
    EXPECT_FALSE(CLocate::BigMapSheetCheck({ QStringLiteral("J") }));
    EXPECT_FALSE(CLocate::SmallMapSheetCheck({ QStringLiteral("J"), QStringLiteral("50"), QString(),
        QStringLiteral("1"), QStringLiteral("1") }));
    EXPECT_FALSE(CLocate::ContainsNumber(3, 0, 3));
}

TEST_F(LocateTest, QueryRegionListMakesTheDivisionCurrent)
{
    const QList<QPolygonF> polygons = locate->QueryRegionList(kChaoyang, true);
    EXPECT_TRUE(polygons.size() == 3 && polygons == parts(current()));
    // The area is the sum of the parts' areas; Chaoyang covers about 470 km².
    EXPECT_NEAR(locate->GetArea() / 1e6, 470.0, 30.0);
    EXPECT_LT(
        locate->GetArea(QList<QPointF>(polygons[0].begin(), polygons[0].end())), locate->GetArea());

    const QList<QPolygonF> beijing = locate->QueryRegionList(kBeijing, false);
    EXPECT_TRUE(beijing == parts(current()) && !hasDownloadStyle(current()));
    EXPECT_TRUE(locate->QueryRegionList(kUnknownCode, true).isEmpty() && current() == nullptr
        && locate->GetArea() == 0.0);
}

// Drawn shapes become one range: it starts empty, and GetDownRange merges their parts into it.
TEST_F(LocateTest, DownloadRangeIsBuiltFromOtherObjects)
{
    ASSERT_TRUE(locate->Location(QStringLiteral("116,40"), DEGREE_DECIMAL));
    IAnnotation2DObject* point = current();
    IAnnotation2DObject* chaoyang = locate->GetAnnotation2DObject(kChaoyang, QStringLiteral("甲"));
    IAnnotation2DObject* beijing = locate->GetAnnotation2DObject(kBeijing, QStringLiteral("乙"));
    EXPECT_TRUE(
        current() == point && !locate->GetAnnotation2DObject(kUnknownCode, QStringLiteral("丙")));
    chaoyang->SetVisible(true);
    QSignalSpy downloads(locate.get(), kSigDownRange);

    ASSERT_TRUE(locate->CreateDownRanges({ chaoyang, nullptr, beijing }));
    EXPECT_FALSE(chaoyang->IsVisible());
    IAnnotation2DObject* range = current();
    EXPECT_TRUE(range->GetFeature()->GetName() == "\xCF\xC2\xD4\xD8\xB7\xB6\xCE\xA7" // 下载范围
        && range->GetFeature()->GetGeometryCount() == 0);
    EXPECT_TRUE(hasDownloadStyle(range) && range->IsVisible() && toolBarVisible());
    button("btnDownRange")->click(); // nothing to download yet
    EXPECT_TRUE(
        messages == QStringList(QStringLiteral("请选择下载区域！ 1024")) && downloads.isEmpty());

    QList<QPolygonF> merged;
    EXPECT_TRUE(locate->GetDownRange(range->GetFeature(), chaoyang, merged)
        && locate->GetDownRange(range->GetFeature(), beijing, merged)
        && !locate->GetDownRange(range->GetFeature(), nullptr, merged));
    EXPECT_EQ(locate->GetCurrentDivision(), parts(chaoyang) + parts(beijing));
    button("btnDownRange")->click();
    EXPECT_TRUE(downloads.count() == 1 && messages.size() == 1);
    destroy({ chaoyang, beijing });
}

TEST_F(LocateTest, DownRangeByCodeOrByObject)
{
    QSignalSpy downloads(locate.get(), kSigDownRange);
    EXPECT_TRUE(locate->DownRange(kChaoyang, QStringLiteral("朝阳区"))
        && locate->DownRange(kUnknownCode, QStringLiteral("无此区划")) && downloads.count() == 2)
        << "emits anyway";
    IAnnotation2DObject* hidden = current();
    EXPECT_TRUE(!hidden->IsVisible() && !toolBarProxy());

    IAnnotation2DObject* object = locate->GetAnnotation2DObject(kBeijing, QStringLiteral("北京"));
    locate->DownRange(object, MAP_BAIDU);
    EXPECT_TRUE(current() == object && locate->GetCurrentMapType() == MAP_BAIDU);
    destroy({ hidden }); // the previous object stays until then
}

TEST_F(LocateTest, ToolBarFollowsTheViewUntilClosedAndGoesWithClearing)
{
    QSignalSpy closes(locate.get(), SIGNAL(SigCloseRange()));
    ASSERT_TRUE(locate->Location(kChaoyang, QStringLiteral("朝阳区"), true));
    QPointer<QWidget> first = toolBarProxy()->widget();
    map()->SetCenter(116.0, 39.0);
    EXPECT_TRUE(first.isNull() && toolBarVisible()); // rebuilt
    button("btnCloseRange")->click();
    EXPECT_TRUE(closes.count() == 1 && current() == nullptr && !toolBarVisible()
        && locate->GetCurrentCityName().isEmpty());

    ASSERT_TRUE(locate->Location(kChaoyang, QStringLiteral("朝阳区"), true));
    locate->DestroyCurrent2DObject();
    EXPECT_TRUE(current() == nullptr && toolBarProxy() && !toolBarVisible());
    ASSERT_TRUE(locate->Location(kBeijing, QStringLiteral("北京市"), true));
    locate->ClearMapLocate();
    EXPECT_TRUE(current() == nullptr && !toolBarProxy() && closes.count() == 1);
}

// Network download is offered on Google Earth and the historical imagery, for counties only.
TEST_F(LocateTest, ToolBarButtonsFollowTheMapAndTheDivision)
{
    const std::tuple<ENUM_MAP_TYPE, QString, bool> cases[]
        = { { MAP_OPENSTREETMAP, kChaoyang, false }, { MAP_HISTORY_IMAGE_4, kChaoyang, true },
              { MAP_GOOGLE_EARTH, kBeijing, false } };
    for (const auto& [type, code, network] : cases) {
        map()->SetMapType(type);
        ASSERT_TRUE(locate->Location(code, QString::number(type) + code, true));
        EXPECT_EQ(toolBarProxy()->widget()->size(), QSize(network ? 140 : 84, 24)) << type;
        // Left to right.
        QMap<int, QString> tips;
        for (QToolButton* b : toolBarProxy()->widget()->findChildren<QToolButton*>())
            if (b->objectName().startsWith(QLatin1String("btn"))) tips[b->x()] = b->toolTip();
        EXPECT_EQ(tips.values().join(QLatin1Char(' ')),
            QStringLiteral("取消 下载") + (network ? QStringLiteral(" 网盘下载") : QString()));
    }

    // The bar with network download, for a person to look at; its pressed images are resources.
    map()->SetMapType(MAP_GOOGLE_EARTH);
    ASSERT_TRUE(locate->Location(kChaoyang, QStringLiteral("朝阳区"), true));
    widgettest::checkScreenshot(toolBarProxy()->widget(), "LocatorToolBar", 140, 24, "locate");
    const QString pressed = QStringLiteral(":/Resource/Other/networkdown2.png");
    EXPECT_TRUE(
        button("btnNetworkDownRange")->styleSheet().contains(pressed) && !QImage(pressed).isNull());

    G_N_QUARRY_SOFTWARE_TYPE = QUARRY_SOFTWARE_PLAIN; // keeps the platform's look
    map()->SetCenter(116.0, 40.0); // places the tool bar again
    EXPECT_TRUE(toolBarProxy()->widget()->styleSheet().isEmpty());
    G_N_QUARRY_SOFTWARE_TYPE = QUARRY_SOFTWARE_STANDARD;
}
