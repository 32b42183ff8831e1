#include "LocateFixture.h"

#include "OvCoordSystem/host/app/SoftwareType.h"

#include <QCoreApplication>
#include <QDir>
#include <QSignalSpy>
#include <QToolButton>

#include <cmath>

namespace {
// Destroys objects the test took from the locator.
void destroy(std::initializer_list<IAnnotation2DObject*> objects)
{
    for (IAnnotation2DObject* object : objects)
        GetOrCreateAnnotation2DModule()->DestroyObject(object);
}

const char kSigDownRange[] = "2SigDownRange()";
} // namespace

TEST_F(LocateTest, QueryRegionListMakesTheDivisionCurrent)
{
    const QList<QPolygonF> polygons = locate->QueryRegionList(kChaoyangCode, true);
    ASSERT_EQ(polygons.size(), 3);
    ASSERT_NE(current(), nullptr);
    EXPECT_EQ(polygons, parts(current()));
    for (const QPolygonF& polygon : polygons)
        EXPECT_GE(polygon.size(), 4);
    expectDownloadStyle(current());
    EXPECT_EQ(toolBarProxy(), nullptr);

    const QList<QPolygonF> beijingParts = locate->QueryRegionList(kBeijingCode, false);
    EXPECT_EQ(beijingParts, parts(current()));
    EXPECT_EQ(style<CFeaturePenStyle>(current(), FEATURE_STYLE_PEN)->GetWidth(), 1.0);

    IAnnotation2DObject* beijing = current();
    EXPECT_TRUE(locate->QueryRegionList(QStringLiteral("-1"), true).isEmpty());
    EXPECT_EQ(current(), beijing);
    EXPECT_TRUE(locate->QueryRegionList(kUnknownCode, true).isEmpty());
    EXPECT_EQ(current(), nullptr);
}

TEST_F(LocateTest, AreaIsTheSumOverTheParts)
{
    EXPECT_EQ(locate->GetArea(), 0.0);
    const QList<QPolygonF> polygons = locate->QueryRegionList(kChaoyangCode, true);
    ASSERT_EQ(polygons.size(), 3);
    double sum = 0.0;
    for (const QPolygonF& polygon : polygons) {
        std::vector<CVector3D> ring;
        for (const QPointF& p : polygon)
            ring.emplace_back(p.x(), p.y(), 0.0);
        const double area = map()->CalcArea(ring);
        EXPECT_GT(area, 0.0);
        sum += area;
    }
    EXPECT_DOUBLE_EQ(locate->GetArea(), sum);
    EXPECT_DOUBLE_EQ(locate->GetArea(polygons), sum);
    // Chaoyang district covers about 470 km².
    EXPECT_NEAR(sum / 1e6, 470.0, 30.0);
    EXPECT_EQ(locate->GetArea(QList<QPolygonF>()), 0.0);
}

TEST_F(LocateTest, AnnotationObjectOfADivisionLeavesTheCurrentObject)
{
    ASSERT_TRUE(locate->Location(QStringLiteral("116,40"), DEGREE_DECIMAL));
    IAnnotation2DObject* point = current();
    IAnnotation2DObject* object = locate->GetAnnotation2DObject(kChaoyangCode, kChaoyangName);
    ASSERT_NE(object, nullptr);
    EXPECT_EQ(current(), point);
    EXPECT_EQ(QString::fromLocal8Bit(object->GetName().c_str()), kChaoyangName);
    EXPECT_EQ(object->GetMapLayer(), locate->GetMapLayer());
    EXPECT_EQ(parts(object).size(), 3);
    EXPECT_EQ(locate->GetAnnotation2DObject(kUnknownCode, kChaoyangName), nullptr);
    destroy({ object });
}

// Drawn shapes become one range: the range starts empty, GetDownRange merges the shapes' parts.
TEST_F(LocateTest, DownloadRangeIsBuiltFromOtherObjects)
{
    IAnnotation2DObject* chaoyang = locate->GetAnnotation2DObject(kChaoyangCode, kChaoyangName);
    IAnnotation2DObject* beijing = locate->GetAnnotation2DObject(kBeijingCode, kBeijingName);
    ASSERT_TRUE(chaoyang && beijing);
    chaoyang->SetVisible(true);
    beijing->SetVisible(true);
    QSignalSpy downloads(locate.get(), kSigDownRange);

    ASSERT_TRUE(locate->CreateDownRanges({ chaoyang, nullptr, beijing }));
    EXPECT_FALSE(chaoyang->IsVisible());
    EXPECT_FALSE(beijing->IsVisible());
    IAnnotation2DObject* range = current();
    ASSERT_NE(range, nullptr);
    EXPECT_EQ(range->GetFeature()->GetKind(), ANNOTATION_FEATURE_RANGE);
    EXPECT_EQ(range->GetFeature()->GetName(), "\xCF\xC2\xD4\xD8\xB7\xB6\xCE\xA7"); // 下载范围
    EXPECT_EQ(range->GetFeature()->GetGeometryCount(), 0);
    EXPECT_TRUE(range->IsVisible());
    expectDownloadStyle(range);
    ASSERT_NE(toolBar(), nullptr);

    // Nothing to download yet.
    toolBar()->findChild<QToolButton*>(QStringLiteral("btnDownRange"))->click();
    EXPECT_EQ(messages, QStringList(QStringLiteral("请选择下载区域！")));
    EXPECT_EQ(downloads.count(), 0);

    QList<QPolygonF> merged;
    EXPECT_TRUE(locate->GetDownRange(range->GetFeature(), chaoyang, merged));
    EXPECT_TRUE(locate->GetDownRange(range->GetFeature(), beijing, merged));
    EXPECT_EQ(merged, parts(chaoyang) + parts(beijing));
    EXPECT_EQ(locate->GetCurrentDivision(), merged);
    EXPECT_FALSE(locate->GetDownRange(range->GetFeature(), nullptr, merged));
    EXPECT_EQ(locate->GetCurrentDivision(), merged);

    toolBar()->findChild<QToolButton*>(QStringLiteral("btnDownRange"))->click();
    EXPECT_EQ(downloads.count(), 1);
    EXPECT_EQ(messages.size(), 1);
    destroy({ chaoyang, beijing });
}

TEST_F(LocateTest, DownRangeByCodeShowsNothingAndEmits)
{
    QSignalSpy downloads(locate.get(), kSigDownRange);
    EXPECT_TRUE(locate->DownRange(kChaoyangCode, kChaoyangName));
    EXPECT_EQ(downloads.count(), 1);
    ASSERT_NE(current(), nullptr);
    EXPECT_FALSE(current()->IsVisible());
    EXPECT_EQ(toolBarProxy(), nullptr);
    EXPECT_EQ(locate->GetCurrentCityName(), kChaoyangName);
    // A failed location still emits.
    EXPECT_TRUE(locate->DownRange(kUnknownCode, QStringLiteral("无此区划")));
    EXPECT_EQ(downloads.count(), 2);
    EXPECT_EQ(locate->GetCurrentCityName(), kChaoyangName);
}

TEST_F(LocateTest, DownRangeWithAnObjectTakesItAndSwitchesTheMap)
{
    ASSERT_TRUE(locate->Location(kBeijingCode, kBeijingName, true));
    IAnnotation2DObject* previous = current();
    IAnnotation2DObject* object = locate->GetAnnotation2DObject(kChaoyangCode, kChaoyangName);
    locate->DownRange(object, MAP_BAIDU);
    EXPECT_EQ(current(), object);
    EXPECT_EQ(locate->GetCurrentCityName(), kChaoyangName);
    EXPECT_EQ(locate->GetCurrentMapType(), MAP_BAIDU);
    EXPECT_TRUE(previous->IsVisible()); // not destroyed
    destroy({ previous });

    locate->DownRange(nullptr, MAP_AMAP);
    EXPECT_EQ(current(), nullptr);
    EXPECT_EQ(locate->GetCurrentCityName(), kChaoyangName);
    EXPECT_EQ(map()->GetMapType(), MAP_AMAP);
    destroy({ object });
}

TEST_F(LocateTest, OffsetPositionMovesByPixels)
{
    map()->SetView(116.0, 40.0, 10);
    const CVector3D p(116.3, 39.9, 5.0);
    const double pixelDeg = 360.0 / (256 << 10);
    const CVector3D same = locate->CalcOffsetPos(0, 0, p);
    EXPECT_NEAR(same.x, p.x, pixelDeg);
    EXPECT_NEAR(same.y, p.y, pixelDeg);
    EXPECT_EQ(same.z, 0.0);
    const CVector3D east = locate->CalcOffsetPos(100, 0, p);
    EXPECT_NEAR(east.x - same.x, 100 * pixelDeg, 1e-9);
    EXPECT_DOUBLE_EQ(east.y, same.y);
    const CVector3D below = locate->CalcOffsetPos(0, 20, p);
    EXPECT_LT(below.y, same.y);
    EXPECT_DOUBLE_EQ(below.x, same.x);
}

TEST_F(LocateTest, ClosingHidesAndClearingRemovesTheToolBar)
{
    QSignalSpy closes(locate.get(), SIGNAL(SigCloseRange()));
    ASSERT_TRUE(locate->Location(kChaoyangCode, kChaoyangName, true));
    toolBar()->findChild<QToolButton*>(QStringLiteral("btnCloseRange"))->click();
    EXPECT_EQ(closes.count(), 1);
    EXPECT_EQ(current(), nullptr);
    EXPECT_FALSE(toolBarVisible());
    EXPECT_TRUE(locate->GetCurrentCityName().isEmpty());
    EXPECT_EQ(locate->GetCurrentCityKey(), kChaoyangCode);

    ASSERT_TRUE(locate->Location(kChaoyangCode, kChaoyangName, true));
    locate->DestroyCurrent2DObject();
    EXPECT_EQ(current(), nullptr);
    ASSERT_NE(toolBarProxy(), nullptr);
    EXPECT_FALSE(toolBarVisible());
    EXPECT_EQ(closes.count(), 1);

    ASSERT_TRUE(locate->Location(kBeijingCode, kBeijingName, true));
    locate->ClearMapLocate();
    EXPECT_EQ(current(), nullptr);
    EXPECT_EQ(toolBarProxy(), nullptr);
    EXPECT_EQ(GetGlobalOvGraphicsModule()->GetSceneItemCount(), sceneItemsBefore);
}

// Network download is offered on Google Earth and the historical imagery, for counties only.
TEST_F(LocateTest, ToolBarButtonsFollowTheMapAndTheDivision)
{
    const struct
    {
        ENUM_MAP_TYPE type;
        const QString& code;
        const QString& name;
        bool network;
    } cases[] = { { MAP_OPENSTREETMAP, kChaoyangCode, kChaoyangName, false },
        { MAP_GOOGLE_EARTH, kChaoyangCode, kChaoyangName, true },
        { MAP_HISTORY_IMAGE_1, kChaoyangCode, kChaoyangName, true },
        { MAP_HISTORY_IMAGE_4, kChaoyangCode, kChaoyangName, true },
        { MAP_GOOGLE_EARTH, kBeijingCode, kBeijingName, false },
        { MAP_GOOGLE_SATELLITE, kChaoyangCode, kChaoyangName, false } };
    for (const auto& c : cases) {
        map()->SetMapType(c.type);
        locate->ClearMapLocate();
        ASSERT_TRUE(locate->Location(c.code, c.name + QString::number(c.type), true));
        QToolBar* bar = toolBar();
        ASSERT_NE(bar, nullptr);
        EXPECT_EQ(bar->size(), QSize(c.network ? 140 : 84, 24)) << c.type;
        QStringList tips;
        for (QToolButton* button : bar->findChildren<QToolButton*>()) {
            if (!button->objectName().startsWith(QLatin1String("btn"))) continue; // not Qt's own
            tips << button->toolTip();
        }
        EXPECT_EQ(tips,
            c.network ? QStringList(
                { QStringLiteral("取消"), QStringLiteral("下载"), QStringLiteral("网盘下载") })
                      : QStringList({ QStringLiteral("取消"), QStringLiteral("下载") }))
            << c.type;
    }
}

TEST_F(LocateTest, ToolBarButtonsLookAndPointAsTheHostWants)
{
    map()->SetMapType(MAP_GOOGLE_EARTH);
    ASSERT_TRUE(locate->Location(kChaoyangCode, kChaoyangName, true));
    QToolBar* bar = toolBar();
    ASSERT_NE(bar, nullptr);
    EXPECT_EQ(bar->styleSheet(),
        QStringLiteral("QToolBar{background:#DEEEFF;border: 1px solid #00AEFF;spacing: 1px;}"));
    const struct
    {
        const char* name;
        QSize size;
        const char* images[3];
    } buttons[] = { { "btnCloseRange", QSize(24, 24), { "cancle1", "cancle", "cancle2" } },
        { "btnDownRange", QSize(56, 24), { "down1", "down2", "down3" } },
        { "btnNetworkDownRange", QSize(56, 24),
            { "networkdown1", "networkdown2", "networkdown3" } } };
    int left = -1;
    for (const auto& b : buttons) {
        auto* button = bar->findChild<QToolButton*>(QLatin1String(b.name));
        ASSERT_NE(button, nullptr) << b.name;
        EXPECT_EQ(button->size(), b.size) << b.name;
        EXPECT_EQ(button->cursor().shape(), Qt::PointingHandCursor) << b.name;
        EXPECT_GT(button->x(), left) << b.name; // in this order
        left = button->x();
        EXPECT_EQ(button->styleSheet(),
            QStringLiteral("QToolButton {background-image:url(:/Resource/Other/%1.png);}"
                           "QToolButton:pressed {background-image:url(:/Resource/Other/%2.png)}"
                           "QToolButton:hover {background-image:url(:/Resource/Other/%3.png)}")
                .arg(QLatin1String(b.images[0]), QLatin1String(b.images[1]),
                    QLatin1String(b.images[2])));
        for (const char* image : b.images)
            EXPECT_FALSE(QImage(QStringLiteral(":/Resource/Other/%1.png").arg(QLatin1String(image)))
                             .isNull())
                << image;
    }

    // The picture of the tool bar, for a person to look at.
    const QImage image = bar->grab().toImage();
    EXPECT_EQ(image.size(), QSize(140, 24));
    EXPECT_NE(image.pixel(12, 12), image.pixel(100, 12));
    const QString dir
        = QCoreApplication::applicationDirPath() + QStringLiteral("/screenshots/locate");
    QDir().mkpath(dir);
    EXPECT_TRUE(image.save(dir + QStringLiteral("/LocatorToolBar.png")));

    // The plain edition keeps the platform's look.
    G_N_QUARRY_SOFTWARE_TYPE = QUARRY_SOFTWARE_PLAIN;
    map()->SetCenter(116.0, 40.0); // places the tool bar again
    EXPECT_TRUE(toolBar()->styleSheet().isEmpty());
    G_N_QUARRY_SOFTWARE_TYPE = QUARRY_SOFTWARE_STANDARD;
}
