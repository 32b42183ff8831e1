#include "CoordSysTestSupport.h"

#include "OvCoordSystem/widgets/coordsys/MoreCoordSys_p.h"
#include "OvCoordSystem/widgets/coordsys/QCoordComboBox.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QApplication>
#include <QLineEdit>
#include <QMouseEvent>
#include <QSignalSpy>
#include <QTreeWidget>

#include <gtest/gtest.h>

using namespace coordsystest;

namespace {

struct RowCase
{
    const char* label;
    E_COORDINATE_SYSTEM value;
    int epsgAfterSelection;
};

// The fixed rows in their order, with the code a selection sets.
const RowCase kRows[] = {
    { "WGS84 经纬度投影", COORD_WGS84_LNGLAT, 4326 },
    { "WGS84 Web 墨卡托投影", COORD_WGS84_WEB_MERCATOR, 3857 },
    { "WGS84 UTM 投影", COORD_WGS84_UTM, -1 },
    { "北京54 高斯投影", COORD_BEIJING54_GAUSS, -1 },
    { "西安80 高斯投影", COORD_XIAN80_GAUSS, -1 },
    { "CGCS2000 高斯投影", COORD_CGCS2000_GAUSS, -1 },
    { "GCJ02 经纬度投影", COORD_GCJ02_LNGLAT, -1 },
    { "GCJ02 Web 墨卡托投影", COORD_GCJ02_WEB_MERCATOR, -1 },
    { "BD09 经纬度投影", COORD_BD09_LNGLAT, -1 },
    { "BD09 Web 墨卡托投影", COORD_BD09_WEB_MERCATOR, -1 },
};

// Double-clicks the catalogue leaf of EPSG in the open dialog.
void chooseInCatalogue(int epsg)
{
    onModal([epsg](QWidget* dialog) {
        auto* tree = dialog->findChild<QTreeWidget*>(QStringLiteral("twCoordSys"));
        ASSERT_NE(tree, nullptr);
        QTreeWidgetItemIterator it(tree);
        for (; *it; ++it) {
            if ((*it)->childCount() == 0 && (*it)->data(0, 1).toInt() == epsg) break;
        }
        ASSERT_NE(*it, nullptr) << epsg;
        emit tree->itemDoubleClicked(*it, 0);
    });
}

} // namespace

TEST(CoordComboBox, RowsCarryLabelsAndValuesAndSelectionSetsTheCode)
{
    QCoordComboBox box;
    ASSERT_EQ(box.count(), 11);
    EXPECT_EQ(box.currentIndex(), 0);
    EXPECT_EQ(box.getEpsg(), -1);
    EXPECT_EQ(box.itemText(10), QStringLiteral("更多..."));
    EXPECT_EQ(box.itemData(10, Qt::UserRole).toInt(), COORD_BY_EPSG);
    QSignalSpy spy(&box, SIGNAL(signalCurrentIndexChanged(int)));
    for (int row = 0; row < 10; ++row) {
        const RowCase& c = kRows[row];
        EXPECT_EQ(box.itemText(row), QString::fromUtf8(c.label)) << row;
        EXPECT_EQ(box.itemData(row, Qt::UserRole).toInt(), c.value) << row;
        EXPECT_EQ(box.getIndexCoordSys(c.value), row);
        box.setEpsg(12345);
        box.setCurCoordSys(c.value);
        EXPECT_EQ(box.currentIndex(), row);
        EXPECT_EQ(box.getCurCoordSys(), c.value);
        EXPECT_EQ(box.getEpsg(), c.epsgAfterSelection) << row;
        EXPECT_EQ(box.getCoordName(), QString::fromUtf8(c.label));
        EXPECT_EQ(
            box.IsBaidu(), c.value == COORD_BD09_LNGLAT || c.value == COORD_BD09_WEB_MERCATOR);
        ASSERT_EQ(spy.count(), row + 1);
        EXPECT_EQ(spy.last().at(0).toInt(), c.value) << "the value, not the row";
    }
}

TEST(CoordComboBox, ActivatingARowRunsTheSelectionAgainEvenWhenCurrent)
{
    QCoordComboBox box;
    QSignalSpy spy(&box, SIGNAL(signalCurrentIndexChanged(int)));
    box.setCurrentIndex(1);
    EXPECT_EQ(spy.count(), 0) << "a programmatic row change is not a choice";
    emit box.activated(1);
    emit box.activated(1);
    ASSERT_EQ(spy.count(), 2);
    EXPECT_EQ(spy.at(1).at(0).toInt(), COORD_WGS84_WEB_MERCATOR);
    EXPECT_EQ(box.getEpsg(), 3857);
}

TEST(CoordComboBox, IsWgs84OrWebMercatorLooksAtItsArgumentOnly)
{
    QCoordComboBox box;
    box.setCurCoordSys(COORD_BEIJING54_GAUSS);
    const std::pair<int, bool> cases[] = { { 0, false }, { 1, false }, { 2, false }, { 3, true },
        { 4, true }, { 5, false }, { 13, true }, { 14, true }, { 15, true }, { 16, true },
        { 17, false }, { -1, false }, { 9, false } };
    for (const auto& c : cases)
        EXPECT_EQ(box.getIsWgS84OrWebMC(static_cast<E_COORDINATE_SYSTEM>(c.first)), c.second)
            << c.first;
}

TEST(CoordComboBox, HiddenRowIsGoneAndTheMapsFollow)
{
    QCoordComboBox box;
    EXPECT_EQ(box.view()->height(), 300);
    box.setHideCoord(COORD_WGS84_UTM);
    EXPECT_EQ(box.count(), 10);
    EXPECT_EQ(box.getIndexCoordSys(COORD_WGS84_UTM), -1);
    EXPECT_EQ(box.getIndexCoordSys(COORD_BEIJING54_GAUSS), 2);
    EXPECT_EQ(box.getIndexCoordSys(COORD_BY_EPSG), 9);
    EXPECT_EQ(box.view()->height(), 273);
    box.setHideCoord(COORD_WGS84_UTM); // no such row any more: nothing changes
    EXPECT_EQ(box.count(), 10);

    QSignalSpy spy(&box, SIGNAL(signalCurrentIndexChanged(int)));
    box.setCurrentIndex(4);
    box.setCurCoordSys(COORD_WGS84_UTM);
    EXPECT_EQ(box.currentIndex(), 0);
    ASSERT_EQ(spy.count(), 1);
    EXPECT_EQ(spy.at(0).at(0).toInt(), COORD_WGS84_LNGLAT);
    EXPECT_EQ(box.getEpsg(), 4326);

    for (const E_COORDINATE_SYSTEM cs :
        { COORD_WGS84_LNGLAT, COORD_WGS84_WEB_MERCATOR, COORD_BEIJING54_GAUSS, COORD_XIAN80_GAUSS,
            COORD_CGCS2000_GAUSS, COORD_GCJ02_LNGLAT, COORD_GCJ02_WEB_MERCATOR })
        box.setHideCoord(cs);
    EXPECT_EQ(box.count(), 3);
    EXPECT_EQ(box.view()->height(), 80) << "3 rows of 26.7 pixels";
    EXPECT_EQ(box.getIndexCoordSys(COORD_BD09_WEB_MERCATOR), 1);
}

TEST(CoordComboBox, CatalogueChoiceSetsNameAndCodeAndEmitsTheEpsgRowValue)
{
    QCoordComboBox box;
    box.setCurCoordSys(COORD_GCJ02_LNGLAT);
    QSignalSpy spy(&box, SIGNAL(signalCurrentIndexChanged(int)));
    chooseInCatalogue(4498);
    box.setCurCoordSys(COORD_BY_EPSG);
    EXPECT_EQ(box.currentIndex(), 10);
    EXPECT_EQ(box.getEpsg(), 4498);
    EXPECT_EQ(box.getCoordName(), QStringLiteral("CGCS 2000 GK Zone 20"));
    EXPECT_EQ(box.currentText(), QStringLiteral("CGCS 2000 GK Zone 20"));
    ASSERT_EQ(spy.count(), 1);
    EXPECT_EQ(spy.at(0).at(0).toInt(), COORD_BY_EPSG);
}

TEST(CoordComboBox, CancelledCatalogueRestoresRowSilently)
{
    QCoordComboBox box;
    box.setCurCoordSys(COORD_GCJ02_LNGLAT);
    QSignalSpy spy(&box, SIGNAL(signalCurrentIndexChanged(int)));
    clickInModal("bTnCancel");
    box.setCurCoordSys(COORD_BY_EPSG);
    EXPECT_EQ(box.getCurCoordSys(), COORD_GCJ02_LNGLAT);
    EXPECT_EQ(box.currentIndex(), 6);
    EXPECT_EQ(box.getEpsg(), -1);
    EXPECT_EQ(box.getCoordName(), QStringLiteral("GCJ02 经纬度投影"));
    EXPECT_EQ(spy.count(), 0);

    // Cancel after an accepted run: the flag is cleared, so the earlier row comes back again.
    chooseInCatalogue(4326);
    box.setCurCoordSys(COORD_BY_EPSG);
    EXPECT_EQ(box.getEpsg(), 4326);
    box.setCurCoordSys(COORD_BD09_LNGLAT);
    clickInModal("bTnCancel");
    box.setCurCoordSys(COORD_BY_EPSG);
    EXPECT_EQ(box.getCurCoordSys(), COORD_BD09_LNGLAT);
}

TEST(CoordComboBox, MoreCoordSysShowsANameWithoutChangingTheRow)
{
    QCoordComboBox box;
    box.setCurCoordSys(COORD_WGS84_WEB_MERCATOR);
    QSignalSpy spy(&box, SIGNAL(signalCurrentIndexChanged(int)));
    box.setMoreCoordSys(-1, COORD_BEIJING54_GAUSS, 117.0, true);
    EXPECT_EQ(box.getCoordName(), QStringLiteral("Beijing 1954 3 Degree GK Zone 39"));
    EXPECT_EQ(box.currentIndex(), 1);
    EXPECT_EQ(box.getEpsg(), 3857);

    box.setMoreCoordSys(2383, COORD_BEIJING54_GAUSS, 0, false);
    EXPECT_EQ(box.getEpsg(), 2383);
    EXPECT_EQ(box.getCoordName(), QStringLiteral("Xian 1980 3 Degree GK CM 114"));
    box.setMoreCoordSys(999999, COORD_BEIJING54_GAUSS, 0, false);
    EXPECT_EQ(box.getEpsg(), 999999);
    EXPECT_EQ(box.getCoordName(), QStringLiteral("WGS84 经纬度投影"));
    EXPECT_EQ(box.currentIndex(), 1);
    EXPECT_EQ(spy.count(), 0);

    // The preselected code is what the catalogue shows selected next time.
    box.setMoreCoordSys(4498, COORD_BEIJING54_GAUSS, 0, false);
    onModal([](QWidget* dialog) {
        auto* tree = dialog->findChild<QTreeWidget*>(QStringLiteral("twCoordSys"));
        const QList<QTreeWidgetItem*> selected = tree->selectedItems();
        ASSERT_EQ(selected.size(), 1);
        EXPECT_EQ(selected.first()->data(0, 1).toInt(), 4498);
        EXPECT_TRUE(selected.first()->parent()->isExpanded());
        dialog->findChild<QAbstractButton*>(QStringLiteral("bTnCancel"))->click();
    });
    box.setCurCoordSys(COORD_BY_EPSG);
}

TEST(CoordComboBox, LeftClicksOnTheNameEditToggleThePopup)
{
    QCoordComboBox box;
    box.show();
    auto* edit = box.findChild<QLineEdit*>();
    ASSERT_NE(edit, nullptr);
    EXPECT_TRUE(edit->isReadOnly());
    EXPECT_EQ(edit->focusPolicy(), Qt::NoFocus);
    const auto release = [edit](Qt::MouseButton button) {
        QMouseEvent event(
            QEvent::MouseButtonRelease, QPointF(5, 5), button, button, Qt::NoModifier);
        QCoreApplication::sendEvent(edit, &event);
    };
    release(Qt::LeftButton);
    EXPECT_TRUE(box.view()->isVisible());
    release(Qt::RightButton);
    EXPECT_TRUE(box.view()->isVisible()) << "only the left button toggles";
    release(Qt::LeftButton);
    EXPECT_FALSE(box.view()->isVisible());
    box.setEnabled(false);
    release(Qt::LeftButton);
    EXPECT_FALSE(box.view()->isVisible());
}

TEST(CoordComboBox, Screenshot)
{
    QCoordComboBox box;
    box.resize(298, 25);
    box.setCurCoordSys(COORD_CGCS2000_GAUSS);
    checkScreenshot(&box, QStringLiteral("QCoordComboBox"), 298, 25);
}
