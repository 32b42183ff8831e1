#include "CoordSysTestSupport.h"

#include "OvCoordSystem/widgets/coordsys/QCoordComboBox.h"

#include <QAbstractItemView>
#include <QCoreApplication>
#include <QLineEdit>
#include <QMouseEvent>
#include <QSignalSpy>
#include <QTreeWidget>

#include <gtest/gtest.h>

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
        EXPECT_EQ(box.currentIndex(), row);
        EXPECT_EQ(box.getEpsg(), row == 0 ? 4326 : row == 1 ? 3857 : -1) << row;
        EXPECT_EQ(spy.takeFirst().at(0).toInt(), value);
        EXPECT_EQ(box.IsBaidu(), row >= 8);
        EXPECT_EQ(box.getIsWgS84OrWebMC(value), row < 2 || row > 5) << row;
    }
    EXPECT_FALSE(box.getIsWgS84OrWebMC(COORD_BY_EPSG));
    box.setCurrentIndex(1);
    emit box.activated(1); // a user choice of the current row runs the selection again
    EXPECT_EQ(spy.count(), 1);
    EXPECT_EQ(box.getEpsg(), 3857);
}

TEST(CoordComboBox, HiddenRowsRebuildTheIndexAndThePopupHeight)
{
    QCoordComboBox box;
    EXPECT_EQ(box.view()->height(), 300);
    box.setHideCoord(COORD_WGS84_UTM);
    box.setHideCoord(COORD_WGS84_UTM);
    EXPECT_EQ(box.count(), 10);
    EXPECT_EQ(box.view()->height(), 273);
    EXPECT_EQ(box.getIndexCoordSys(COORD_WGS84_UTM), -1);
    EXPECT_EQ(box.getIndexCoordSys(COORD_BEIJING54_GAUSS), 2);
    QSignalSpy spy(&box, SIGNAL(signalCurrentIndexChanged(int)));
    box.setCurrentIndex(4);
    box.setCurCoordSys(COORD_WGS84_UTM); // no row: row 0
    EXPECT_EQ(box.currentIndex(), 0);
    EXPECT_EQ(spy.at(0).at(0).toInt(), COORD_WGS84_LNGLAT);
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
    EXPECT_EQ(box.currentIndex(), 6);
    EXPECT_EQ(box.getEpsg(), -1);
    EXPECT_EQ(box.getCoordName(), QStringLiteral("GCJ02 经纬度投影"));
    EXPECT_EQ(spy.count(), 0);

    onModal([](QWidget* dialog) {
        auto* tree = dialog->findChild<QTreeWidget*>(QStringLiteral("twCoordSys"));
        QTreeWidgetItem* zone20 = tree->topLevelItem(0)->child(2)->child(60);
        ASSERT_EQ(zone20->data(0, 1).toInt(), 4498);
        emit tree->itemDoubleClicked(zone20, 0);
    });
    box.setCurCoordSys(COORD_BY_EPSG);
    EXPECT_EQ(box.getEpsg(), 4498);
    EXPECT_EQ(box.currentText(), QStringLiteral("CGCS 2000 GK Zone 20"));
    EXPECT_EQ(spy.takeFirst().at(0).toInt(), COORD_BY_EPSG);
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
    EXPECT_EQ(box.getEpsg(), 999999);
    EXPECT_EQ(box.getCoordName(), QStringLiteral("WGS84 经纬度投影"));
    EXPECT_EQ(box.currentIndex(), 1);
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
