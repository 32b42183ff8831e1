// The host's own logic: tile counts, map-sheet extents, framing, division text and step files.
#include "DivisionBaseMap.h"
#include "HostGeometry.h"
#include "LocationBar.h"
#include "MergeDialog.h"
#include "ProgramRun.h"
#include "ScreenshotWalk.h"

#include "OvCoordSystem/host/search/ILocationDataSearchModule.h"

#include <QDialogButtonBox>
#include <QFile>
#include <QImage>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <tuple>
#include <utility>

namespace {
QPolygonF box(double x1, double y1, double x2, double y2)
{
    return QPolygonF(QRectF(QPointF(x1, y1), QPointF(x2, y2)));
}
} // namespace

// Tile rows and columns worked out by hand from the Web Mercator tile formulas.
TEST(HostGeometry, TileCount)
{
    const std::tuple<const char*, QList<QPolygonF>, int, qint64> cases[] = {
        { "the world at level 0", { box(-180, -85, 180, 85) }, 0, 1 },
        { "the world at level 3", { box(-180, -85, 180, 85) }, 3, 64 },
        { "a box around (0, 0) at level 1", { box(-10, -10, 10, 10) }, 1, 4 },
        { "a box touching the equator from the north", { box(0, 0, 0.1, 0.1) }, 2, 2 },
        { "the same box twice counts once", { box(0, 0, 0.1, 0.1), box(0, 0, 0.1, 0.1) }, 2, 2 },
        { "overlapping boxes", { box(-10, -10, 10, 10), box(5, -10, 100, 10) }, 2, 6 },
        { "a point", { QPolygonF({ QPointF(116.4, 39.9) }) }, 18, 1 },
        { "no points", { QPolygonF() }, 5, 0 },
        { "level above 22", { box(0, 0, 1, 1) }, 23, 0 },
        { "negative level", { box(0, 0, 1, 1) }, -1, 0 },
    };
    for (const auto& [what, polygons, level, tiles] : cases)
        EXPECT_EQ(hostgeometry::TileCount(polygons, level), tiles) << what;
}

TEST(HostGeometry, FitLevelAndMapSheetExtent)
{
    EXPECT_EQ(hostgeometry::FitLevel({}, 800, 600), 0);
    EXPECT_EQ(hostgeometry::FitLevel({ QPolygonF({ QPointF(116.4, 39.9) }) }, 800, 600), 18);
    // 1° of longitude is 256·2^z/360 pixels: 728 at level 10, 1456 at level 11.
    EXPECT_EQ(hostgeometry::FitLevel({ box(116, 39.9, 117, 39.91) }, 800, 600), 10);
    // The world is 512 pixels square at level 1.
    EXPECT_EQ(hostgeometry::FitLevel({ box(-180, -85, 180, 85) }, 800, 600), 1);
    EXPECT_EQ(hostgeometry::FitLevel({ box(-180, -85, 180, 85) }, 400, 300), 0);

    // The sheet layout has its table in the ovcoord sheet test; here its edges land in the
    // extent's fields, and a refused number leaves the extent as it was.
    EXTENT e;
    ASSERT_TRUE(hostgeometry::MapSheetExtent(QStringLiteral("J50D001005"), e));
    EXPECT_EQ(QRectF(QPointF(e.dX1, e.dY1), QPointF(e.dX2, e.dY2)),
        QRectF(QPointF(116, 40 - 4.0 / 12), QPointF(116.5, 40)));
    EXPECT_TRUE(!hostgeometry::MapSheetExtent(QStringLiteral("J61"), e) && e.dX1 == 116);
}

TEST(LocationBar, ResolveDivision)
{
    ILocationDataSearchModule* search = GetOrCreateLocationDataSearchModule();
    const QString chaoyang = QString::fromUtf8("朝阳区");
    for (const auto& [text, found] : { std::pair { QStringLiteral("110105"), true },
             { chaoyang, true }, { chaoyang + QStringLiteral("  110105"), true },
             { QStringLiteral(" 110105 "), true }, { QStringLiteral("999999"), false },
             { QString::fromUtf8("不存在区"), false }, { QStringLiteral("11010"), false } }) {
        QString code = QStringLiteral("kept");
        QString name;
        EXPECT_EQ(CLocationBar::ResolveDivision(search, text, code, name), found)
            << text.toStdString();
        EXPECT_EQ(code, found ? QStringLiteral("110105") : QStringLiteral("kept"));
        EXPECT_TRUE(!found || name == chaoyang);
    }
    QString code;
    QString name;
    EXPECT_FALSE(CLocationBar::ResolveDivision(nullptr, QStringLiteral("110105"), code, name));
}

// Comments and blank lines are skipped but counted, so that errors name the right line.
TEST(ScreenshotWalk, ParseErrorsNameTheLine)
{
    const char* bad[][2] = {
        { "# a comment\n\n  view 1 2 3 \nfly away\n", "line 4: unknown step \"fly\"" },
        { "rectangle 1 2 3\n", "line 1: \"rectangle\" takes 4 argument(s)" },
        { "division\n", "line 1: \"division\" takes one or more argument(s)" },
        { "download now\n", "line 1: \"download\" takes 0 argument(s)" },
    };
    for (const auto& [text, message] : bad) {
        QList<CScreenshotWalk::Step> steps;
        QString error;
        EXPECT_FALSE(CScreenshotWalk::Parse(QString::fromUtf8(text), steps, error)) << text;
        EXPECT_TRUE(error == QString::fromUtf8(message) && steps.isEmpty()) << text;
    }
}

// The bundled data holds Beijing and Hainan: provinces when zoomed out, counties when zoomed in,
// nothing away from them.
TEST(DivisionBaseMap, LevelFollowsTheZoomAndOnlyDivisionsInViewAreDrawn)
{
    CDivisionBaseMap baseMap(GetOrCreateLocationDataSearchModule());
    auto names = [&](const QRectF& box, int zoom) {
        QStringList list;
        for (const tagMapBaseFeature& feature : baseMap.Features(box, zoom))
            list << (feature.rings.isEmpty() ? QStringLiteral("no rings") : feature.name);
        return list.join(QLatin1Char(' '));
    };
    const QRectF aroundTiananmen(QPointF(116.38, 39.90), QPointF(116.41, 39.92));
    EXPECT_EQ(names(aroundTiananmen, 4), QString::fromUtf8("北京市"));
    EXPECT_EQ(names(aroundTiananmen, 12), QString::fromUtf8("东城区 西城区 朝阳区 海淀区"));
    EXPECT_EQ(
        names(QRectF(QPointF(70, 0), QPointF(140, 55)), 3), QString::fromUtf8("北京市 海南省"));
    EXPECT_EQ(names(QRectF(QPointF(0, 0), QPointF(1, 1)), 12), QString());
}

// The program itself: a walk from a step file lists its pictures; a step file without a picture
// folder is told with exit code 2 before any window.
TEST(OvhostProgram, ScreenshotWalkFromAStepFile)
{
    QTemporaryDir dir;
    const QString good = dir.filePath(QStringLiteral("good.steps"));
    QFile file(good);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly)
        && file.write("# Beijing\nview 116.4 39.9 10\nsheet J50D001005\n") > 0);
    file.close();
    const QString shots = dir.filePath(QStringLiteral("shots"));
    qputenv("ASAN_OPTIONS", "detect_leaks=0");
    qputenv("OV_CONFIG_DIR", dir.filePath(QStringLiteral("c/")).toLocal8Bit());
    const ProgramRun walk = runProgram(QStringLiteral(OVHOST_BIN),
        { QStringLiteral("--screenshot"), shots, QStringLiteral("--steps"), good });
    EXPECT_EQ(walk.exitCode, 0) << walk.err.constData();
    EXPECT_EQ(QString::fromLocal8Bit(walk.out),
        shots + QStringLiteral("/01-view.png\n") + shots + QStringLiteral("/02-sheet.png\n"));
    const ProgramRun refused
        = runProgram(QStringLiteral(OVHOST_BIN), { QStringLiteral("--steps"), good });
    EXPECT_TRUE(
        refused.exitCode == 2 && refused.err.contains("ovhost: --steps needs --screenshot DIR"))
        << refused.err.constData();
    EXPECT_FALSE(QImage(shots + QStringLiteral("/02-sheet.png")).isNull());
}

TEST(MergeDialog, ListsEachDivisionOnceAndMergesOnlyCheckedOnes)
{
    CMergeDialog dialog(GetOrCreateLocationDataSearchModule());
    QPushButton* merge = dialog.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok);
    EXPECT_FALSE(merge->isEnabled());
    EXPECT_TRUE(dialog.AddDivision(QStringLiteral("110105")) && merge->isEnabled());
    EXPECT_TRUE(dialog.AddDivision(QString::fromUtf8("朝阳区"))
        && !dialog.AddDivision(QStringLiteral("999999"))
        && dialog.AddDivision(QString::fromUtf8("海淀区")));
    const QPair<QString, QString> chaoyang { QStringLiteral("110105"),
        QString::fromUtf8("朝阳区") },
        haidian { QStringLiteral("110108"), QString::fromUtf8("海淀区") };
    auto* list = dialog.findChild<QListWidget*>(QStringLiteral("mergeList"));
    list->item(0)->setCheckState(Qt::Unchecked);
    EXPECT_EQ(dialog.CheckedDivisions(), QList { haidian });
    list->item(1)->setCheckState(Qt::Unchecked);
    EXPECT_FALSE(merge->isEnabled());
    EXPECT_TRUE(dialog.AddDivision(QStringLiteral("110105")) && list->count() == 2); // re-checked
    EXPECT_EQ(dialog.CheckedDivisions(), QList { chaoyang });
}
