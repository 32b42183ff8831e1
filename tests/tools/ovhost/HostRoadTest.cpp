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

#include <gdal_priv.h>
#include <ogrsf_frmts.h>

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <iterator>
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

// The outer rings of the polygons in the first layer of PATH, as GDAL reads them back.
QList<QPolygonF> readRings(const QString& path)
{
    GDALAllRegister();
    QList<QPolygonF> rings;
    const std::unique_ptr<GDALDataset> data(
        GDALDataset::Open(path.toLocal8Bit().constData(), GDAL_OF_VECTOR));
    for (auto& feature : *data->GetLayer(0)) {
        QPolygonF polygon;
        for (const OGRPoint& point : *feature->GetGeometryRef()->toPolygon()->getExteriorRing())
            polygon << QPointF(point.getX(), point.getY());
        rings << polygon;
    }
    return rings;
}

// RING holds the points of PART in order or, as Shapefile writers turn rings round, reversed.
bool sameRing(QPolygonF ring, QPolygonF part)
{
    if (!part.isClosed()) part << part.first();
    if (ring == part) return true;
    std::reverse(ring.begin(), ring.end());
    return ring == part;
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

    // Triggers ACTION and hands the modal dialog T it opens to READ before rejecting it.
    template <class T> void answer(const char* action, const std::function<void(T*)>& read)
    {
        QTimer answerer;
        QObject::connect(&answerer, &QTimer::timeout, [&] {
            if (auto* dialog = qobject_cast<T*>(QApplication::activeModalWidget())) {
                read(dialog);
                dialog->reject();
            }
        });
        answerer.start(10);
        window->action(QLatin1String(action))->trigger();
    }

    std::unique_ptr<CHostWindow> window;
    QStringList messages;
    QTemporaryDir out;
};

// The road of a download range as a user walks it: search a division, look at its download,
// export it to a Shapefile, ask for a share link, the pictured walk through the window, and the
// next run.
TEST_F(HostRoad, WholeRoadFromSearchToExportShareAndPictures)
{
    ShareService service; // a link below proves it answers
    qputenv("OV_SHARE_SERVICE", service.address().toUtf8());

    QLineEdit* edit = window->locationBar()->divisionEdit();
    emit edit->textEdited(QString::fromUtf8("朝阳"));
    EXPECT_TRUE(qobject_cast<QStringListModel*>(edit->completer()->model())
                    ->stringList()
                    .contains(QString::fromUtf8("朝阳区  110105")));
    // The query takes its time on the locator's worker: meanwhile the window goes on handling
    // events, with the bar disabled so that no second query starts.
    GetOrCreateLocationDataSearchModule()->SetQueryDelay(300);
    int ticks = 0;
    bool barEnabled = true;
    QTimer ticker;
    QObject::connect(&ticker, &QTimer::timeout, [&] {
        ++ticks;
        barEnabled = barEnabled && window->locationBar()->isEnabled();
    });
    ticker.start(20);
    ASSERT_TRUE(search(QString::fromUtf8("朝阳区")));
    ticker.stop();
    GetOrCreateLocationDataSearchModule()->SetQueryDelay(0);
    EXPECT_TRUE(ticks >= 3 && !barEnabled && window->locationBar()->isEnabled()) << ticks;
    EXPECT_EQ(locate()->GetCurrentCityKey(), kChaoyang);
    const QList<QPolygonF> parts = divisionParts(kChaoyang);
    // The bundled data's Chaoyang has two enclaves.
    ASSERT_TRUE(parts.size() == 3 && locate()->GetCurrentDivision() == parts);

    // Download: the range's parts, area and tiles.
    int rows = 0;
    qint64 tiles = 0;
    QString area;
    answer<CDownloadDialog>("actionDownload", [&](CDownloadDialog* dialog) {
        dialog->SetLevel(12);
        rows = dialog->findChild<QTableWidget*>(QStringLiteral("partsTable"))->rowCount();
        tiles = dialog->TileCount();
        area = dialog->findChild<QLabel*>(QStringLiteral("areaLabel"))->text();
    });
    EXPECT_TRUE(rows == 3 && tiles == hostgeometry::TileCount(parts, 12)) << rows << " " << tiles;
    EXPECT_EQ(area, QStringLiteral("%1 km²").arg(locate()->GetArea() / 1e6, 0, 'f', 2));

    // Export: the file dialog answered with a Shapefile, read back with GDAL.
    QStringList filters;
    HostFileDialog::setResponder([&](const QString&, const QString&, const QString& filter) {
        filters << filter;
        return out.filePath(QStringLiteral("chaoyang.shp"));
    });
    window->action(QStringLiteral("actionExport"))->trigger();
    HostFileDialog::setResponder(nullptr);
    EXPECT_TRUE(
        filters.size() == 1 && filters[0].startsWith(QStringLiteral("ESRI Shapefile(*.shp)")));
    // The Shapefile writer names its files after the geometry kind they hold.
    const QStringList written
        = QDir(out.path()).entryList({ QStringLiteral("chaoyang*.shp") }, QDir::Files);
    ASSERT_EQ(written.size(), 1);
    const QList<QPolygonF> rings = readRings(out.filePath(written[0]));
    ASSERT_EQ(rings.size(), parts.size());
    for (int i = 0; i < parts.size(); ++i)
        EXPECT_TRUE(sameRing(rings[i], parts[i])) << "part " << i;

    // Share: a link from the reference service, for this division.
    QString link;
    answer<CNetworkDownDlg>("actionShare", [&](CNetworkDownDlg* share) {
        link = share->findChild<QLabel*>(QStringLiteral("urlLabel"))->text();
    });
    EXPECT_TRUE(link.contains(QStringLiteral("https://pan.baidu.com/s/1110105Range"))
        && service.lastRequest().value(QStringLiteral("adcode")).toString() == kChaoyang)
        << link.toStdString();
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
        EXPECT_TRUE(image.width() >= 200 && image.height() >= 100 && colourCount(image) > 8)
            << path.toStdString() << " is small or blank";
    }

    // The map type and view are remembered for the next run.
    window->SetMapType(MAP_GOOGLE_SATELLITE);
    locate()->GetMapModule()->SetView(110.5, 19.5, 7);
    window->close();
    window = std::make_unique<CHostWindow>();
    IOvMapModule* map = locate()->GetMapModule();
    double lng = 0;
    double lat = 0;
    map->GetCenter(lng, lat);
    EXPECT_TRUE(map->GetMapType() == MAP_GOOGLE_SATELLITE && map->GetZoomLevel() == 7
        && window->action(QStringLiteral("actionMapType2"))->isChecked());
    EXPECT_TRUE(std::abs(lng - 110.5) < 1e-6 && std::abs(lat - 19.5) < 1e-6) << lng << "," << lat;
    window->SetMapType(MAP_OPENSTREETMAP);
}

// Every mistake is told in a message box and leaves the range as it was; the rectangle tool and
// merged divisions make other ranges.
TEST_F(HostRoad, MistakesAreToldAndKeepTheRangeRectangleAndMergeMakeOne)
{
    qunsetenv("OV_SHARE_SERVICE");
    ConfigIni::setConfig(QStringLiteral("UserModule"), QStringLiteral("ServiceAddress"), QString());
    window->ShareRange();
    ASSERT_TRUE(search(kChaoyang));
    search(QString::fromUtf8("不存在区"));
    EXPECT_FALSE(window->ShowMapSheet(QStringLiteral("J61")));
    EXPECT_FALSE(window->MergeDivisions({ { QStringLiteral("999999"), QStringLiteral("none") } }));
    window->ShareRange();
    const char* told[] = { "range first", "不存在区", "J61", "found for none", "OV_SHARE_SERVICE" };
    ASSERT_EQ(messages.size(), int(std::size(told))) << messages.join('\n').toStdString();
    for (int i = 0; i < messages.size(); ++i)
        EXPECT_TRUE(messages[i].contains(QString::fromUtf8(told[i]))) << messages[i].toStdString();
    EXPECT_EQ(locate()->GetCurrentCityKey(), kChaoyang);
    EXPECT_EQ(locate()->GetCurrentDivision(), divisionParts(kChaoyang));

    // A rectangle drawn with the tool, then merged divisions, make the range.
    CScreenshotWalk walk(window.get(), out.path());
    QStringList written;
    QString error;
    ASSERT_TRUE(walk.Run(
        steps(QStringLiteral("view 116.4 39.9 10\nformat 3\nrectangle 116.3 39.8 116.5 39.95\n")),
        written, error));
    const QRectF drawn = locate()->GetCurrentDivision().value(0).boundingRect();
    // One pixel at level 10 is about 0.0014° of longitude.
    for (const auto& [got, want] : { std::pair { drawn.left(), 116.3 }, { drawn.right(), 116.5 },
             { drawn.top(), 39.8 }, { drawn.bottom(), 39.95 } })
        EXPECT_NEAR(got, want, 0.002);
    EXPECT_FALSE(window->mapInput()->IsArmed());
    // The status bar followed the drag to its end, in the colon format chosen.
    const QString position = window->positionLabel()->text();
    EXPECT_TRUE(
        QRegularExpression(QStringLiteral("^Lng 116:(29|30):\\d\\d\\.?\\d*   Lat 39:(56|57):"))
            .match(position)
            .hasMatch())
        << position.toStdString();

    const QList<QPolygonF> chaoyang = divisionParts(kChaoyang);
    const QList<QPolygonF> haidian = divisionParts(kHaidian);
    ASSERT_TRUE(window->MergeDivisions(
        { { kChaoyang, QString::fromUtf8("朝阳区") }, { kHaidian, QString::fromUtf8("海淀区") } }));
    EXPECT_EQ(locate()->GetCurrentDivision(), chaoyang + haidian);
    EXPECT_NEAR(locate()->GetArea(), locate()->GetArea(chaoyang) + locate()->GetArea(haidian), 1.0);
}
