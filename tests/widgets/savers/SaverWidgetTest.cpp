#include "OvCoordSystem/widgets/savers/SaverWidget.h"

#include "OvCoordSystem/host/DownloadTask.h"
#include "OvCoordSystem/host/export/ExportTypeReference.h"
#include "OvCoordSystem/widgets/savers/DemSaverWidget.h"
#include "OvCoordSystem/widgets/savers/ExportTileCustom.h"

#include "WidgetTestSupport.h"

namespace {

using namespace widgettest;

TEST(SaverWidget, SeveralCheckedLayoutsResolveByPriority)
{
    CSaverWidget widget;
    // In the order in which a checked one wins, each with the type it reports.
    const std::pair<const char*, EXPORTTYPE> byPriority[] = {
        { "wgtOriginalTilesRadioButton", EXPORT_ORIGINAL_TILES },
        { "wgtStanderTMSTilesRadioButton", EXPORT_STANDARD_TMS_TILES },
        { "wgtArcGISTilesRadioButton", EXPORT_ARCGIS_TILES },
        { "wgtCustomTilesRadioButton", EXPORT_CUSTOM_TILES },
        { "wgtWordWindTilesRadioButton", EXPORT_WORLDWIND_TILES },
        { "wgtCesTilesRadioButton", EXPORT_CES_TILES },
        { "wgtQuarryTilesRadioButton", EXPORT_QUARRY_TILES },
    };
    // Made non-exclusive (as code can), all checked: unchecking from the top lets each next win.
    for (const auto& layout : byPriority) {
        child<QRadioButton>(&widget, layout.first)->setAutoExclusive(false);
        child<QRadioButton>(&widget, layout.first)->setChecked(true);
    }
    CPropertySetObject properties;
    for (const auto& [button, type] : byPriority) {
        properties.SetProperty("stale", 1); // replaced by the saver's own settings
        EXPECT_EQ(widget.GetTileSaverReferenceName(properties), GetExportTypeReference(type));
        EXPECT_TRUE(widget.GetExportType() == type
            && properties.Count() == (type == EXPORT_CUSTOM_TILES ? 4 : 0))
            << button;
        child<QRadioButton>(&widget, button)->setChecked(false);
    }
    EXPECT_EQ(widget.GetExportType(), EXPORT_ORIGINAL_TILES);
}

TEST(SaverWidget, OnlyTheCustomLayoutOpensTheNamingAndHandsItToTheSaver)
{
    CSaverWidget widget;
    QPushButton* set = child<QPushButton>(&widget, "wgtCustomTitlesPushButton");
    child<QRadioButton>(&widget, "wgtCustomTilesRadioButton")->click();
    EXPECT_TRUE(set->isEnabled());
    child<QRadioButton>(&widget, "wgtArcGISTilesRadioButton")->click();
    EXPECT_FALSE(set->isEnabled());
    set->setEnabled(true); // code may enable it: still no dialog (one would block here)
    set->click();

    child<QRadioButton>(&widget, "wgtCustomTilesRadioButton")->click();
    onModal([](QWidget* dialog) {
        child<QRadioButton>(dialog, "radioButton_5")->click();
        child<QRadioButton>(dialog, "rbHexadecimal")->click();
        child<QPushButton>(dialog, "okButton")->click();
    });
    set->click();
    CPropertySetObject properties;
    widget.GetTileSaverReferenceName(properties);
    QString named;
    for (const std::string& name : properties.GetPropertyNames())
        named += QString::fromStdString(name) + "=" + properties.GetProperty(name).toString() + " ";
    EXPECT_EQ(named, "XYZStyle={z}\\{x}-{y} XYZDecimal=true XYZUpper=false XYZFillZero=false ");
}

// Also run by the demo, which shows these pictures.
TEST(SaverWidgets, Screenshots)
{
    CSaverWidget saver;
    DownloadTask task;
    ExportTileCustom naming(&task);
    naming.resize(521, 370);
    child<QRadioButton>(&naming, "radioButton_3")->click();
    CDemSaverWidget dem;
    const std::tuple<QWidget*, const char*, int, int> widgets[]
        = { { &saver, "CSaverWidget", 400, 200 }, { &naming, "ExportTileCustom", 500, 350 },
              { &dem, "CDemSaverWidget", 500, 40 } };
    for (const auto& [widget, name, width, height] : widgets) {
        widget->show();
        checkScreenshot(widget, name, width, height, "savers");
    }
}

} // namespace
