#include "LocateFixture.h"

#include "OvCoordSystem/host/app/SoftwareType.h"

#include <QMap>
#include <QPointer>
#include <QSignalSpy>

namespace {
void destroy(std::initializer_list<IAnnotation2DObject*> objects)
{
    for (IAnnotation2DObject* object : objects)
        GetOrCreateAnnotation2DModule()->DestroyObject(object);
}
const char kSigDownRange[] = "2SigDownRange()";
} // namespace

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
