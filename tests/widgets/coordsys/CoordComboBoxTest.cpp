#include "CoordSysTestSupport.h"

#include "OvCoordSystem/widgets/coordsys/MoreCoordSys_p.h"
#include "OvCoordSystem/widgets/coordsys/QCoordComboBox.h"

#include <QAbstractItemView>
#include <QMouseEvent>
#include <QSignalSpy>
#include <QTreeWidget>

using namespace coordsystest;

TEST(CoordComboBox, RowsSignalTheirValueNotTheirRow)
{
    // WGS84 ×3, the Gauss-Krüger datums, GCJ02 ×2, BD09 ×2.
    const int values[] = { 3, 4, 5, 0, 1, 2, 15, 16, 13, 14 };
    QCoordComboBox box;
    QSignalSpy spy(&box, SIGNAL(signalCurrentIndexChanged(int)));
    for (int row = 0; row < 10; ++row) {
        const auto value = static_cast<E_COORDINATE_SYSTEM>(values[row]);
        box.setEpsg(12345);
        box.setCurCoordSys(value);
        EXPECT_TRUE(box.currentIndex() == row && spy.takeFirst().at(0).toInt() == value
            && box.getEpsg()
                == (row == 0       ? 4326
                        : row == 1 ? 3857
                                   : -1)
            && box.IsBaidu() == (row >= 8) && box.getIsWgS84OrWebMC(value) == (row < 2 || row > 5))
            << row;
    }
    EXPECT_FALSE(box.getIsWgS84OrWebMC(COORD_BY_EPSG));
    box.setCurrentIndex(1);
    emit box.activated(1); // a user choice of the current row runs the selection again
    EXPECT_TRUE(spy.count() == 1 && box.getEpsg() == 3857);
}

TEST(CoordComboBox, HiddenRowsRebuildTheIndexAndThePopupHeight)
{
    QCoordComboBox box;
    EXPECT_EQ(box.view()->height(), 300);
    box.setHideCoord(COORD_WGS84_UTM);
    box.setHideCoord(COORD_WGS84_UTM);
    EXPECT_TRUE(box.count() == 10 && box.view()->height() == 273);
    EXPECT_TRUE(box.getIndexCoordSys(COORD_WGS84_UTM) == -1
        && box.getIndexCoordSys(COORD_BEIJING54_GAUSS) == 2);
    QSignalSpy spy(&box, SIGNAL(signalCurrentIndexChanged(int)));
    box.setCurrentIndex(4);
    box.setCurCoordSys(COORD_WGS84_UTM); // no row: row 0
    EXPECT_TRUE(box.currentIndex() == 0 && spy.at(0).at(0).toInt() == COORD_WGS84_LNGLAT);
    for (int cs : { 3, 4, 0, 1, 2, 15, 16 })
        box.setHideCoord(static_cast<E_COORDINATE_SYSTEM>(cs));
    EXPECT_EQ(box.view()->height(), 80) << "3 rows of 26.7 pixels";
    EXPECT_EQ(box.getIndexCoordSys(COORD_BD09_WEB_MERCATOR), 1);
}

TEST(CoordComboBox, CatalogueChoiceAndCancel)
{
    QCoordComboBox box;
    box.setCurCoordSys(COORD_GCJ02_LNGLAT);
    QSignalSpy spy(&box, SIGNAL(signalCurrentIndexChanged(int)));
    clickInModal("bTnCancel");
    box.setCurCoordSys(COORD_BY_EPSG);
    EXPECT_TRUE(box.currentIndex() == 6 && box.getEpsg() == -1 && spy.isEmpty());
    EXPECT_EQ(box.getCoordName(), QStringLiteral("GCJ02 经纬度投影"));

    onModal([](QWidget* dialog) {
        auto* tree = child<QTreeWidget>(dialog, "twCoordSys");
        QTreeWidgetItem* zone20 = tree->topLevelItem(0)->child(2)->child(60);
        ASSERT_EQ(zone20->data(0, 1).toInt(), 4498);
        emit tree->itemDoubleClicked(zone20, 0);
    });
    box.setCurCoordSys(COORD_BY_EPSG);
    EXPECT_TRUE(box.getEpsg() == 4498 && spy.takeFirst().at(0).toInt() == COORD_BY_EPSG);
    EXPECT_EQ(box.currentText(), QStringLiteral("CGCS 2000 GK Zone 20"));
    clickInModal("bTnCancel");
    box.setCurCoordSys(COORD_BY_EPSG);
    EXPECT_EQ(box.getCoordName(), QStringLiteral("CGCS 2000 GK Zone 20"));

    // Cancel after an acceptance clears the flag: the earlier row comes back.
    box.setCurCoordSys(COORD_BD09_LNGLAT);
    clickInModal("bTnCancel");
    box.setCurCoordSys(COORD_BY_EPSG);
    EXPECT_EQ(box.getCurCoordSys(), COORD_BD09_LNGLAT);
}

TEST(CoordComboBox, MoreCoordSysNamesWithoutChangingTheRow)
{
    QCoordComboBox box;
    box.setCurCoordSys(COORD_WGS84_WEB_MERCATOR);
    box.setMoreCoordSys(-1, COORD_BEIJING54_GAUSS, 117.0, true);
    EXPECT_EQ(box.getCoordName(), QStringLiteral("Beijing 1954 3 Degree GK Zone 39"));
    EXPECT_EQ(box.getEpsg(), 3857);
    box.setMoreCoordSys(999999, COORD_BEIJING54_GAUSS, 0, false);
    EXPECT_TRUE(box.getEpsg() == 999999 && box.currentIndex() == 1);
    EXPECT_EQ(box.getCoordName(), QStringLiteral("WGS84 经纬度投影"));
}

TEST(CoordComboBox, LeftClicksOnTheNameEditToggleThePopup)
{
    QCoordComboBox box;
    box.show();
    auto* edit = box.findChild<QLineEdit*>();
    for (const auto& [button, shown] : { std::pair(Qt::LeftButton, true),
             std::pair(Qt::RightButton, true), std::pair(Qt::LeftButton, false) }) {
        QMouseEvent release(QEvent::MouseButtonRelease, QPointF(5, 5), button, button, {});
        QCoreApplication::sendEvent(edit, &release);
        EXPECT_EQ(box.view()->isVisible(), shown);
    }
}

TEST(MoreCoordSys, TreeGroupsTheCataloguesAndOnlyALeafEndsTheDialog)
{
    MoreCoordSys dialog;
    auto* tree = child<QTreeWidget>(&dialog, "twCoordSys");
    ASSERT_EQ(tree->topLevelItemCount(), 2);
    QTreeWidgetItem* projected = tree->topLevelItem(0);
    EXPECT_FALSE(projected->icon(0).pixmap(16).isNull()) << "the host's globe resource";
    EXPECT_EQ(tree->topLevelItem(1)->childCount(), 6);
    // Per Gauss-Krüger datum 21 + 21 three-degree and 11 + 11 six-degree zones; 60 UTM zones
    // north and south; the GEO tools' two world projections. (Their codes: the GEO tools' tests.)
    QStringList children;
    for (int i = 0; i < projected->childCount(); ++i)
        children << QString::number(projected->child(i)->childCount());
    EXPECT_EQ(children.join(' '), "64 64 64 120 2");

    auto* ok = child<QAbstractButton>(&dialog, "bTnSelected");
    dialog.show();
    ok->click(); // nothing clicked yet
    QTreeWidgetItem* category = projected->child(2);
    emit tree->itemDoubleClicked(category, 0);
    EXPECT_TRUE(dialog.isVisible() && !dialog.isAccepted());
    ok->click(); // on a category: accepted, but open and without a code
    EXPECT_TRUE(dialog.isVisible() && dialog.isAccepted() && dialog.selectedEpsg() == -1);
    emit tree->itemClicked(category->child(60), 0);
    ok->click();
    EXPECT_TRUE(!dialog.isVisible() && dialog.selectedEpsg() == 4498);
    dialog.preselect(2383);
    EXPECT_TRUE(tree->topLevelItem(0)->child(1)->isExpanded());
    EXPECT_EQ(tree->selectedItems().at(0)->data(0, 1).toInt(), 2383);
    EXPECT_EQ(dialog.selectedName(), QStringLiteral("CGCS 2000 GK Zone 20"));
}

TEST(MoreCoordSys, GaussZoneNamesPickTheZoneNumberNotDigitsOfTheDatum)
{
    MoreCoordSys dialog;
    const std::tuple<E_COORDINATE_SYSTEM, double, bool, const char*> cases[]
        = { { COORD_BEIJING54_GAUSS, 117.0, true, "Beijing 1954 3 Degree GK Zone 39" },
              { COORD_XIAN80_GAUSS, 136.4, true, "Xian 1980 3 Degree GK Zone 45" },
              { COORD_CGCS2000_GAUSS, 114.0, false, "CGCS 2000 GK Zone 20" },
              { COORD_CGCS2000_GAUSS, 75.0, false, "CGCS 2000 GK Zone 13" },
              { COORD_CGCS2000_GAUSS, 60.0, false, "" }, // zone 11 is not catalogued
              { COORD_WGS84_UTM, 117.0, false, "" } };
    for (const auto& [datum, meridian, threeDegree, name] : cases)
        EXPECT_EQ(dialog.gaussZoneName(datum, meridian, threeDegree), QString::fromUtf8(name));
}
