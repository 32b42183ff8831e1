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
    const std::pair<const char*, EXPORTTYPE> byPriority[]
        = { { "wgtOriginalTilesRadioButton", EXPORT_ORIGINAL_TILES },
              { "wgtStanderTMSTilesRadioButton", EXPORT_STANDARD_TMS_TILES },
              { "wgtArcGISTilesRadioButton", EXPORT_ARCGIS_TILES },
              { "wgtCustomTilesRadioButton", EXPORT_CUSTOM_TILES },
              { "wgtWordWindTilesRadioButton", EXPORT_WORLDWIND_TILES },
              { "wgtCesTilesRadioButton", EXPORT_CES_TILES },
              { "wgtQuarryTilesRadioButton", EXPORT_QUARRY_TILES } };
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

TEST(DemSaverWidget, PointFormatsKeepTheSpacingFlagAndTakeTheSpacingOnceAccepted)
{
    CDemSaverWidget widget;
    QComboBox* formats = child<QComboBox>(&widget, "wgtFormatComboBox");
    QCheckBox* box = child<QCheckBox>(&widget, "wgtBlockCheckBox");
    QPushButton* set = child<QPushButton>(&widget, "wgtSetDividePushButton");
    // "saver format kind (x, y) box:checked enabled set:enabled".
    const auto state = [&] {
        E_SAVE_IMAGE_TYPE format = SAVE_IMAGE_MIXED;
        EXPORT_SPACE_TYPE kind = EXPORT_SPACE_DEGREE;
        QPointF xy(-1, -1);
        const std::string saver = widget.GetSaverClassName(format, kind, xy);
        return QString::asprintf("%s %d %d (%g, %g) box:%d%d set:%d", saver.c_str(), format, kind,
            xy.x(), xy.y(), box->isChecked(), box->isEnabled(), set->isEnabled());
    };
    // Presses "设置" and answers the spacing dialog with BUTTON, after typing H and V if given.
    const auto spacingDialog = [set](const char* button, const char* h = "", const char* v = "") {
        onModal([=](QWidget* dialog) {
            if (*h) child<QLineEdit>(dialog, "lineEdit")->setText(h);
            if (*v) child<QLineEdit>(dialog, "lineEdit_2")->setText(v);
            child<QPushButton>(dialog, button)->click();
        });
        set->click();
    };
    const QString points = "CHeightFieldSmaplePointDataSaver %1 box:%2";
    EXPECT_EQ(state(), "CGDALHeightFieldDataSaver 0 0 (0, 0) box:00 set:0");
    formats->setCurrentIndex(1);
    box->click();
    EXPECT_EQ(state(), points.arg("7 0 (0, 0)", "11 set:1"));
    formats->setCurrentIndex(0); // GeoTIFF hides the flag but keeps it
    EXPECT_EQ(state(), "CGDALHeightFieldDataSaver 0 0 (0, 0) box:00 set:0");
    formats->setCurrentIndex(2);
    EXPECT_EQ(state(), points.arg("8 0 (0, 0)", "11 set:1"));
    formats->setCurrentIndex(3);
    spacingDialog("cancel");
    EXPECT_EQ(state(), points.arg("9 0 (0, 0)", "11 set:1"));
    spacingDialog("btnEnter");
    EXPECT_EQ(state(), points.arg("9 2 (1000, 1000)", "11 set:1"));
    spacingDialog("btnEnter", "250", "abc");
    // Once accepted, a cancelled dialog still hands over its last results.
    spacingDialog("cancel", "9", "9");
    EXPECT_EQ(state(), points.arg("9 2 (250, 0)", "11 set:1"));
    // Unchecking presets the dialog back but keeps the widget's spacing.
    box->click();
    EXPECT_EQ(state(), points.arg("9 2 (250, 0)", "01 set:0"));
}

} // namespace
