// The whole road of a download range through the host window, offscreen: a division searched
// in the bar becomes the range, its download dialog, a rectangle drawn with the tool, merged
// divisions, map sheets, remembered settings and the screenshot walk.
#include "DownloadDialog.h"
#include "HostGeometry.h"
#include "HostWindow.h"
#include "LocationBar.h"
#include "MapInput.h"
#include "ScreenshotWalk.h"
#include "ShareService.h"

#include "OvCoordSystem/host/MapTypes.h"
#include "OvCoordSystem/host/annotation/IAnnotationFeature.h"
#include "OvCoordSystem/host/app/ConfigIni.h"
#include "OvCoordSystem/host/map/IOvMapModule.h"
#include "OvCoordSystem/host/search/ILocationDataSearchModule.h"
#include "OvCoordSystem/host/widgets/HostFileDialog.h"
#include "OvCoordSystem/host/widgets/ZuMessageBox.h"
#include "OvCoordSystem/locate/Locate.h"
#include "OvCoordSystem/locate/NetworkDownDlg.h"

#include <QAction>
#include <QApplication>
#include <QCompleter>
#include <QDir>
#include <QHash>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpression>
#include <QStringListModel>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTimer>

#include <gdal.h>
#include <ogrsf_frmts.h>

#include <gtest/gtest.h>

#include <memory>

namespace {

const QString kChaoyang = QStringLiteral("110105");
const QString kHaidian = QStringLiteral("110108");

QList<QPolygonF> divisionParts(const QString& code)
{
    const std::unique_ptr<IAnnotationFeature> feature(
        GetOrCreateLocationDataSearchModule()->QueryDivision(code.toStdString(), 1));
    return hostgeometry::Polygons(feature.get());
}

// The outer rings of every polygon in the first layer of PATH, without the closing point.
QList<QPolygonF> readRings(const QString& path)
{
    GDALAllRegister();
    QList<QPolygonF> rings;
    GDALDataset* data = static_cast<GDALDataset*>(
        GDALOpenEx(path.toLocal8Bit().constData(), GDAL_OF_VECTOR, nullptr, nullptr, nullptr));
    if (!data) return rings;
    OGRLayer* layer = data->GetLayer(0);
    for (auto& feature : *layer) {
        const OGRGeometry* geometry = feature->GetGeometryRef();
        if (!geometry || wkbFlatten(geometry->getGeometryType()) != wkbPolygon) continue;
        const OGRLinearRing* ring = geometry->toPolygon()->getExteriorRing();
        QPolygonF polygon;
        for (int i = 0; i < ring->getNumPoints(); ++i)
            polygon << QPointF(ring->getX(i), ring->getY(i));
        if (polygon.size() > 1 && polygon.first() == polygon.last()) polygon.removeLast();
        rings << polygon;
    }
    GDALClose(data);
    return rings;
}

// RING holds the points of PART in order or, as Shapefile writers turn rings round, reversed
// from the same first point.
bool sameRing(QPolygonF ring, QPolygonF part)
{
    if (part.size() > 1 && part.first() == part.last()) part.removeLast();
    if (ring.size() != part.size()) return false;
    auto near = [](const QPolygonF& a, const QPolygonF& b) {
        for (int i = 0; i < a.size(); ++i)
            if (std::abs(a[i].x() - b[i].x()) > 1e-9 || std::abs(a[i].y() - b[i].y()) > 1e-9)
                return false;
        return true;
    };
    if (near(ring, part)) return true;
    std::reverse(ring.begin() + 1, ring.end());
    return near(ring, part);
}

// A picture a person would call blank has one or two colours.
int colourCount(const QImage& image)
{
    QHash<QRgb, int> colours;
    for (int y = 0; y < image.height(); y += 3)
        for (int x = 0; x < image.width(); x += 3)
            ++colours[image.pixel(x, y)];
    return colours.size();
}

} // namespace

// Each test runs on folders of its own and catches every message box.
class HostRoad : public ::testing::Test
{
protected:
    static void SetUpTestSuite()
    {
        static QTemporaryDir folders;
        for (const char* name : { "OV_CONFIG_DIR", "OV_DATA_DIR", "OV_SAVE_DIR" })
            qputenv(name,
                (folders.path() + QLatin1Char('/') + QLatin1String(name) + QLatin1Char('/'))
                    .toLocal8Bit());
    }
    void SetUp() override
    {
        ZuMessageBox::setResponder([this](const QString& text, int buttons) {
            messages << text;
            return buttons;
        });
        window = std::make_unique<CHostWindow>();
        window->resize(1000, 700);
        window->show();
        QCoreApplication::processEvents();
    }
    void TearDown() override
    {
        window.reset();
        ZuMessageBox::setResponder(nullptr);
    }

    CLocate* locate() const { return window->locate(); }
    bool search(const QString& text)
    {
        QLineEdit* edit = window->locationBar()->divisionEdit();
        edit->setText(text);
        emit edit->returnPressed();
        return locate()->GetCurrentCityName() != QString();
    }
    QList<CScreenshotWalk::Step> steps(const QString& text)
    {
        QList<CScreenshotWalk::Step> parsed;
        QString error;
        EXPECT_TRUE(CScreenshotWalk::Parse(text, parsed, error)) << error.toStdString();
        return parsed;
    }

    std::unique_ptr<CHostWindow> window;
    QStringList messages;
    QTemporaryDir out;
};

// The road of a download range as a user walks it: search a division, look at its download,
// export it to a Shapefile, ask for a share link, then the pictured walk through the window.
TEST_F(HostRoad, WholeRoadFromSearchToExportShareAndPictures)
{
    ShareService service;
    ASSERT_FALSE(service.address().isEmpty());
    qputenv("OV_SHARE_SERVICE", service.address().toUtf8());

    ASSERT_TRUE(search(QString::fromUtf8("朝阳区")));
    EXPECT_EQ(locate()->GetCurrentCityKey(), kChaoyang);
    const QList<QPolygonF> parts = divisionParts(kChaoyang);
    ASSERT_EQ(parts.size(), 3); // the bundled data's Chaoyang has two enclaves
    EXPECT_EQ(locate()->GetCurrentDivision(), parts);

    // Download: the range's parts, area and tiles.
    int rows = 0;
    qint64 tiles = 0;
    QString area;
    QTimer downloadAnswerer;
    QObject::connect(&downloadAnswerer, &QTimer::timeout, [&] {
        if (auto* dialog = qobject_cast<CDownloadDialog*>(QApplication::activeModalWidget())) {
            dialog->SetLevel(12);
            rows = dialog->findChild<QTableWidget*>(QStringLiteral("partsTable"))->rowCount();
            tiles = dialog->TileCount();
            area = dialog->findChild<QLabel*>(QStringLiteral("areaLabel"))->text();
            dialog->reject();
        }
    });
    downloadAnswerer.start(10);
    window->action(QStringLiteral("actionDownload"))->trigger();
    downloadAnswerer.stop();
    EXPECT_EQ(rows, 3);
    EXPECT_EQ(tiles, hostgeometry::TileCount(parts, 12));
    EXPECT_GT(tiles, 0);
    EXPECT_EQ(area, QStringLiteral("%1 km²").arg(locate()->GetArea() / 1e6, 0, 'f', 2));

    // Export: the file dialog answered with a Shapefile, read back with GDAL.
    QStringList filters;
    HostFileDialog::setResponder([&](const QString&, const QString&, const QString& filter) {
        filters << filter;
        return out.filePath(QStringLiteral("chaoyang.shp"));
    });
    window->action(QStringLiteral("actionExport"))->trigger();
    HostFileDialog::setResponder(nullptr);
    ASSERT_EQ(filters.size(), 1);
    EXPECT_TRUE(filters[0].startsWith(QStringLiteral("ESRI Shapefile(*.shp)")));
    // The Shapefile writer names its files after the geometry kind they hold.
    const QStringList written
        = QDir(out.path()).entryList({ QStringLiteral("chaoyang*.shp") }, QDir::Files);
    ASSERT_EQ(written.size(), 1) << written.join(QLatin1Char(' ')).toStdString();
    const QList<QPolygonF> rings = readRings(out.filePath(written[0]));
    ASSERT_EQ(rings.size(), parts.size());
    for (int i = 0; i < parts.size(); ++i)
        EXPECT_TRUE(sameRing(rings[i], parts[i])) << "part " << i;

    // Share: a link from the reference service, for this division.
    QString link;
    QTimer answerer;
    QObject::connect(&answerer, &QTimer::timeout, [&] {
        if (auto* share = qobject_cast<CNetworkDownDlg*>(QApplication::activeModalWidget())) {
            link = share->findChild<QLabel*>(QStringLiteral("urlLabel"))->text();
            share->reject();
        }
    });
    answerer.start(10);
    window->action(QStringLiteral("actionShare"))->trigger();
    answerer.stop();
    EXPECT_TRUE(link.contains(QStringLiteral("https://pan.baidu.com/s/1110105Range")))
        << link.toStdString();
    EXPECT_EQ(service.lastRequest().value(QStringLiteral("adcode")).toString(), kChaoyang);
    EXPECT_TRUE(messages.isEmpty()) << messages.join(QLatin1Char('\n')).toStdString();

    // The default walk: a picture of every step, none blank.
    CScreenshotWalk walk(window.get(), out.filePath(QStringLiteral("shots")));
    QStringList pictures;
    QString error;
    const QList<CScreenshotWalk::Step> walkSteps = steps(CScreenshotWalk::DefaultSteps());
    ASSERT_TRUE(walk.Run(walkSteps, pictures, error)) << error.toStdString();
    qunsetenv("OV_SHARE_SERVICE");
    ASSERT_EQ(pictures.size(), walkSteps.size());
    for (const QString& path : pictures) {
        const QImage image(path);
        ASSERT_FALSE(image.isNull()) << path.toStdString();
        EXPECT_GE(image.width(), 200) << path.toStdString();
        EXPECT_GE(image.height(), 100) << path.toStdString();
        EXPECT_GT(colourCount(image), 8) << path.toStdString() << " looks blank";
    }
    EXPECT_TRUE(pictures.first().endsWith(QStringLiteral("01-view.png")));
}

// A division query takes its time on the locator's worker: meanwhile the window goes on
// handling events, with the bar disabled so that no second query starts.
TEST_F(HostRoad, WindowKeepsRunningDuringADivisionQuery)
{
    GetOrCreateLocationDataSearchModule()->SetQueryDelay(300);
    int ticks = 0;
    bool barEnabled = true;
    QTimer ticker;
    QObject::connect(&ticker, &QTimer::timeout, [&] {
        ++ticks;
        barEnabled = barEnabled && window->locationBar()->isEnabled();
    });
    ticker.start(20);
    const bool shown = window->LocateDivision(kChaoyang, QString::fromUtf8("朝阳区"));
    ticker.stop();
    GetOrCreateLocationDataSearchModule()->SetQueryDelay(0);
    EXPECT_TRUE(shown);
    EXPECT_GE(ticks, 5);
    EXPECT_FALSE(barEnabled);
    EXPECT_TRUE(window->locationBar()->isEnabled());
}

TEST_F(HostRoad, ShareWithoutServiceOrRangeIsExplained)
{
    qunsetenv("OV_SHARE_SERVICE");
    ConfigIni::setConfig(QStringLiteral("UserModule"), QStringLiteral("ServiceAddress"), QString());
    window->ShareRange();
    ASSERT_TRUE(search(kChaoyang));
    window->ShareRange();
    ASSERT_EQ(messages.size(), 2);
    EXPECT_TRUE(messages[0].contains(QStringLiteral("range first")));
    EXPECT_TRUE(messages[1].contains(QStringLiteral("OV_SHARE_SERVICE")));
}

TEST_F(HostRoad, DivisionSearchCompletesFromTheData)
{
    QLineEdit* edit = window->locationBar()->divisionEdit();
    auto* model = qobject_cast<QStringListModel*>(edit->completer()->model());
    ASSERT_TRUE(model);
    emit edit->textEdited(QString::fromUtf8("朝阳"));
    EXPECT_TRUE(model->stringList().contains(QString::fromUtf8("朝阳区  110105")))
        << model->stringList().join(QLatin1Char('|')).toStdString();
    emit edit->textEdited(QStringLiteral("460300"));
    EXPECT_EQ(model->stringList(), QStringList { QString::fromUtf8("三沙市  460300") });
    emit edit->textEdited(QStringLiteral(" "));
    EXPECT_TRUE(model->stringList().isEmpty());
}

TEST_F(HostRoad, UnknownDivisionAndBadSheetAreToldAndKeepTheRange)
{
    ASSERT_TRUE(search(kChaoyang));
    search(QString::fromUtf8("不存在区"));
    window->ShowMapSheet(QStringLiteral("J61"));
    ASSERT_EQ(messages.size(), 2);
    EXPECT_TRUE(messages[0].contains(QString::fromUtf8("不存在区")));
    EXPECT_TRUE(messages[1].contains(QStringLiteral("J61")));
    EXPECT_EQ(locate()->GetCurrentCityKey(), kChaoyang);
    EXPECT_EQ(locate()->GetCurrentDivision().size(), 3);
}

TEST_F(HostRoad, RectangleToolAndMapSheetMakeRectangularRanges)
{
    CScreenshotWalk walk(window.get(), out.path());
    QStringList written;
    QString error;
    ASSERT_TRUE(walk.Run(
        steps(QStringLiteral("view 116.4 39.9 10\nformat 3\nrectangle 116.3 39.8 116.5 39.95\n")),
        written, error));
    const QRectF drawn = locate()->GetCurrentDivision().value(0).boundingRect();
    // One pixel at level 10 is about 0.0014° of longitude.
    EXPECT_NEAR(drawn.left(), 116.3, 0.002);
    EXPECT_NEAR(drawn.right(), 116.5, 0.002);
    EXPECT_NEAR(drawn.top(), 39.8, 0.002);
    EXPECT_NEAR(drawn.bottom(), 39.95, 0.002);
    EXPECT_FALSE(window->mapInput()->IsArmed());
    // The status bar followed the drag to its end, in the colon format chosen.
    const QString position = window->positionLabel()->text();
    EXPECT_TRUE(
        QRegularExpression(QStringLiteral("^Lng 116:(29|30):\\d\\d\\.?\\d*   Lat 39:(56|57):"))
            .match(position)
            .hasMatch())
        << position.toStdString();

    ASSERT_TRUE(window->ShowMapSheet(QStringLiteral("J50D001005")));
    EXPECT_EQ(locate()->GetCurrentCityName(), QStringLiteral("J50D001005"));
    const QRectF sheet = locate()->GetCurrentDivision().value(0).boundingRect();
    EXPECT_DOUBLE_EQ(sheet.left(), 116.0);
    EXPECT_DOUBLE_EQ(sheet.right(), 116.5);
    EXPECT_DOUBLE_EQ(sheet.bottom(), 40.0);
}

TEST_F(HostRoad, MergedDivisionsMakeOneRangeOfAllTheirParts)
{
    const QList<QPolygonF> chaoyang = divisionParts(kChaoyang);
    const QList<QPolygonF> haidian = divisionParts(kHaidian);
    ASSERT_TRUE(window->MergeDivisions(
        { { kChaoyang, QString::fromUtf8("朝阳区") }, { kHaidian, QString::fromUtf8("海淀区") } }));
    EXPECT_EQ(locate()->GetCurrentDivision(), chaoyang + haidian);
    EXPECT_NEAR(locate()->GetArea(), locate()->GetArea(chaoyang) + locate()->GetArea(haidian), 1.0);

    EXPECT_FALSE(window->MergeDivisions({ { QStringLiteral("999999"), QStringLiteral("none") } }));
    EXPECT_EQ(messages.size(), 1);
}

TEST_F(HostRoad, MapTypeAndViewAreRememberedBetweenRuns)
{
    window->SetMapType(MAP_GOOGLE_SATELLITE);
    window->locate()->GetMapModule()->SetView(110.5, 19.5, 7);
    window->close();
    window = std::make_unique<CHostWindow>();
    IOvMapModule* map = window->locate()->GetMapModule();
    EXPECT_EQ(map->GetMapType(), MAP_GOOGLE_SATELLITE);
    double lng = 0;
    double lat = 0;
    map->GetCenter(lng, lat);
    EXPECT_NEAR(lng, 110.5, 1e-6);
    EXPECT_NEAR(lat, 19.5, 1e-6);
    EXPECT_EQ(map->GetZoomLevel(), 7);
    EXPECT_TRUE(window->action(QStringLiteral("actionMapType2"))->isChecked());
    window->SetMapType(MAP_OPENSTREETMAP);
}
