#include "CoordSysTestSupport.h"

#include "OvCoordSystem/widgets/coordsys/MoreCoordSys_p.h"

#include <QAbstractButton>
#include <QTreeWidget>

#include <gtest/gtest.h>

TEST(MoreCoordSys, TreeGroupsTheCataloguesAndOnlyALeafEndsTheDialog)
{
    MoreCoordSys dialog;
    auto* tree = dialog.findChild<QTreeWidget*>(QStringLiteral("twCoordSys"));
    ASSERT_EQ(tree->topLevelItemCount(), 2);
    QTreeWidgetItem* projected = tree->topLevelItem(0);
    EXPECT_FALSE(projected->icon(0).pixmap(16).isNull()) << "the host's globe resource";
    EXPECT_EQ(tree->topLevelItem(1)->childCount(), 6);
    // Per Gauss-Krüger datum 21 + 21 three-degree and 11 + 11 six-degree zones; 60 UTM zones
    // north and south; the GEO tools' two world projections.
    const int children[] = { 64, 64, 64, 120, 2 };
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(projected->child(i)->childCount(), children[i]) << i;
    EXPECT_EQ(projected->child(0)->child(0)->data(0, 1).toInt(), 2422);
    EXPECT_EQ(projected->child(0)->child(63)->data(0, 1).toInt(), 21423);
    EXPECT_EQ(dialog.nameOfEpsg(32650), QStringLiteral("WGS 84 / UTM zone 50N"));
    EXPECT_EQ(dialog.nameOfEpsg(2000), QStringLiteral("WGS84 经纬度投影"));

    auto* ok = dialog.findChild<QAbstractButton*>(QStringLiteral("bTnSelected"));
    dialog.show();
    ok->click(); // nothing clicked yet
    QTreeWidgetItem* category = tree->topLevelItem(0)->child(2);
    emit tree->itemDoubleClicked(category, 0);
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_FALSE(dialog.isAccepted());
    ok->click(); // on a category: accepted, but open and without a code
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_TRUE(dialog.isAccepted());
    EXPECT_EQ(dialog.selectedEpsg(), -1);
    emit tree->itemClicked(category->child(60), 0);
    ok->click();
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(dialog.selectedEpsg(), 4498);
    dialog.preselect(2383);
    EXPECT_TRUE(tree->topLevelItem(0)->child(1)->isExpanded());
    EXPECT_EQ(tree->selectedItems().at(0)->data(0, 1).toInt(), 2383);
    EXPECT_EQ(dialog.selectedName(), QStringLiteral("CGCS 2000 GK Zone 20"));
}

TEST(MoreCoordSys, GaussZoneNamesPickTheZoneNumberNotDigitsOfTheDatum)
{
    MoreCoordSys dialog;
    const struct
    {
        E_COORDINATE_SYSTEM datum;
        double meridian;
        bool threeDegree;
        const char* name;
    } cases[] = {
        { COORD_BEIJING54_GAUSS, 117.0, true, "Beijing 1954 3 Degree GK Zone 39" },
        { COORD_XIAN80_GAUSS, 136.4, true, "Xian 1980 3 Degree GK Zone 45" },
        { COORD_CGCS2000_GAUSS, 114.0, false, "CGCS 2000 GK Zone 20" },
        { COORD_CGCS2000_GAUSS, 75.0, false, "CGCS 2000 GK Zone 13" },
        { COORD_CGCS2000_GAUSS, 60.0, false, "" }, // zone 11 is not catalogued
        { COORD_WGS84_UTM, 117.0, false, "" },
    };
    for (const auto& c : cases)
        EXPECT_EQ(
            dialog.gaussZoneName(c.datum, c.meridian, c.threeDegree), QString::fromUtf8(c.name));
}
