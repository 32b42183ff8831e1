#include "CoordSysTestSupport.h"

#include "OvCoordSystem/widgets/coordsys/MoreCoordSys_p.h"

#include <QAbstractButton>
#include <QHeaderView>
#include <QTreeWidget>

#include <gtest/gtest.h>

using namespace coordsystest;

namespace {

QTreeWidget* treeOf(MoreCoordSys& dialog)
{
    return dialog.findChild<QTreeWidget*>(QStringLiteral("twCoordSys"));
}

QTreeWidgetItem* leafOf(QTreeWidget* tree, int epsg)
{
    for (QTreeWidgetItemIterator it(tree); *it; ++it) {
        if ((*it)->childCount() == 0 && (*it)->data(0, 1).toInt() == epsg) return *it;
    }
    return nullptr;
}

} // namespace

TEST(MoreCoordSys, TreeGroupsTheCataloguesByDatumAndKind)
{
    MoreCoordSys dialog;
    QTreeWidget* tree = treeOf(dialog);
    ASSERT_NE(tree, nullptr);
    EXPECT_EQ(dialog.size(), QSize(400, 448));
    EXPECT_TRUE(tree->isHeaderHidden());
    EXPECT_EQ(tree->header()->minimumSectionSize(), 21);
    EXPECT_EQ(tree->headerItem()->text(0), QStringLiteral("投影选择"));
    ASSERT_EQ(tree->topLevelItemCount(), 2);
    QTreeWidgetItem* projected = tree->topLevelItem(0);
    QTreeWidgetItem* geographic = tree->topLevelItem(1);
    EXPECT_EQ(projected->text(0), QStringLiteral("投影坐标系"));
    EXPECT_EQ(geographic->text(0), QStringLiteral("地理坐标系"));
    EXPECT_TRUE(projected->isExpanded());
    EXPECT_TRUE(geographic->isExpanded());

    // Per Gauss-Krüger datum: 21 + 21 three-degree zones and 11 + 11 six-degree zones; UTM north
    // and south 60 each; the world projections and geographic systems of the GEO tools.
    const std::pair<const char*, int> categories[] = { { "北京54", 64 }, { "西安80", 64 },
        { "CGCS2000", 64 }, { "WGS84", 120 }, { "墨卡托", 2 } };
    ASSERT_EQ(projected->childCount(), 5);
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(projected->child(i)->text(0), QString::fromUtf8(categories[i].first));
        EXPECT_EQ(projected->child(i)->childCount(), categories[i].second) << i;
    }
    EXPECT_EQ(geographic->childCount(), 6);
    EXPECT_EQ(leafOf(tree, 4326)->parent(), geographic);

    // Within a list ascending codes; lists in their order (by meridian, then by zone number).
    QTreeWidgetItem* beijing = projected->child(0);
    EXPECT_EQ(beijing->child(0)->data(0, 1).toInt(), 2422);
    EXPECT_EQ(beijing->child(0)->text(0), QStringLiteral("Beijing 1954 3 Degree GK CM 75"));
    EXPECT_EQ(beijing->child(21)->text(0), QStringLiteral("Beijing 1954 3 Degree GK Zone 25"));
    EXPECT_EQ(beijing->child(42)->data(0, 1).toInt(), 21453);
    EXPECT_EQ(beijing->child(63)->data(0, 1).toInt(), 21423);
}

TEST(MoreCoordSys, GaussZoneNamesPickTheZoneNumberNotDigitsOfTheDatum)
{
    MoreCoordSys dialog;
    struct Case
    {
        E_COORDINATE_SYSTEM datum;
        double meridian;
        bool threeDegree;
        const char* name;
    };
    const Case cases[] = {
        { COORD_BEIJING54_GAUSS, 117.0, true, "Beijing 1954 3 Degree GK Zone 39" },
        { COORD_BEIJING54_GAUSS, 117.0, false, "Beijing 1954 GK Zone 20" },
        { COORD_XIAN80_GAUSS, 75.0, true, "Xian 1980 3 Degree GK Zone 25" },
        { COORD_XIAN80_GAUSS, 136.4, true, "Xian 1980 3 Degree GK Zone 45" },
        { COORD_CGCS2000_GAUSS, 114.0, false, "CGCS 2000 GK Zone 20" },
        { COORD_CGCS2000_GAUSS, 75.0, false, "CGCS 2000 GK Zone 13" },
        { COORD_CGCS2000_GAUSS, 120.0, true, "CGCS 2000 3 Degree GK Zone 40" },
        { COORD_CGCS2000_GAUSS, 60.0, false, "" }, // zone 11 is not catalogued
        { COORD_CGCS2000_GAUSS, 139.5, true, "" }, // zone 47
        { COORD_WGS84_UTM, 117.0, false, "" },
        { COORD_WGS84_LNGLAT, 117.0, true, "" },
    };
    for (const Case& c : cases)
        EXPECT_EQ(
            dialog.gaussZoneName(c.datum, c.meridian, c.threeDegree), QString::fromUtf8(c.name))
            << c.datum << " " << c.meridian;
}

TEST(MoreCoordSys, NamesOfCodes)
{
    MoreCoordSys dialog;
    EXPECT_EQ(dialog.nameOfEpsg(4498), QStringLiteral("CGCS 2000 GK Zone 20"));
    EXPECT_EQ(dialog.nameOfEpsg(32650), QStringLiteral("WGS 84 / UTM zone 50N"));
    EXPECT_EQ(dialog.nameOfEpsg(3857), QStringLiteral("WGS 84 / Pseudo-Mercator"));
    EXPECT_EQ(dialog.nameOfEpsg(2000), QStringLiteral("WGS84 经纬度投影"));
    EXPECT_EQ(dialog.nameOfEpsg(-1), QStringLiteral("WGS84 经纬度投影"));
}

TEST(MoreCoordSys, CategoriesAndEmptyChoicesKeepTheDialogOpen)
{
    MoreCoordSys dialog;
    QTreeWidget* tree = treeOf(dialog);
    auto* ok = dialog.findChild<QAbstractButton*>(QStringLiteral("bTnSelected"));
    dialog.show();
    ok->click(); // nothing clicked yet
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_FALSE(dialog.isAccepted());
    EXPECT_TRUE(dialog.selectedName().isEmpty());

    QTreeWidgetItem* category = tree->topLevelItem(0)->child(2);
    emit tree->itemDoubleClicked(category, 0);
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_FALSE(dialog.isAccepted());
    EXPECT_EQ(dialog.selectedEpsg(), -1);
    EXPECT_EQ(dialog.selectedName(), QStringLiteral("CGCS2000"));

    emit tree->itemClicked(category, 0);
    ok->click(); // on a category: accepted, but no code and still open
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_TRUE(dialog.isAccepted());
    EXPECT_EQ(dialog.selectedEpsg(), -1);

    emit tree->itemClicked(leafOf(tree, 32750), 0);
    ok->click();
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(dialog.selectedEpsg(), 32750);
    EXPECT_EQ(dialog.selectedName(), QStringLiteral("WGS 84 / UTM zone 50S"));

    dialog.show();
    dialog.findChild<QAbstractButton*>(QStringLiteral("bTnCancel"))->click();
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_FALSE(dialog.isAccepted());
    EXPECT_EQ(dialog.selectedEpsg(), 32750) << "cancel keeps the last code";
}

TEST(MoreCoordSys, PreselectExpandsAndSelectsOnlyListedCodes)
{
    MoreCoordSys dialog;
    QTreeWidget* tree = treeOf(dialog);
    QTreeWidgetItem* leaf = leafOf(tree, 2383);
    ASSERT_NE(leaf, nullptr);
    EXPECT_FALSE(leaf->parent()->isExpanded());
    dialog.preselect(2383);
    EXPECT_TRUE(leaf->parent()->isExpanded());
    EXPECT_TRUE(leaf->isSelected());
    EXPECT_TRUE(dialog.selectedName().isEmpty()) << "the current item does not change";
    dialog.preselect(123456);
    EXPECT_TRUE(leaf->isSelected());
}

TEST(MoreCoordSys, Screenshot)
{
    MoreCoordSys dialog;
    dialog.preselect(4498);
    checkScreenshot(&dialog, QStringLiteral("MoreCoordSys"), 400, 448);
}
