#include "OvCoordSystem/widgets/savers/SaverWidget.h"
#include "OvCoordSystem/host/export/ExportTypeReference.h"

#include "SaversTestSupport.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

namespace {

// The layout buttons in the order in which a checked one wins, with the type each reports.
const std::pair<const char*, EXPORTTYPE> kByPriority[] = {
    { "wgtOriginalTilesRadioButton", EXPORT_ORIGINAL_TILES },
    { "wgtStanderTMSTilesRadioButton", EXPORT_STANDARD_TMS_TILES },
    { "wgtArcGISTilesRadioButton", EXPORT_ARCGIS_TILES },
    { "wgtCustomTilesRadioButton", EXPORT_CUSTOM_TILES },
    { "wgtWordWindTilesRadioButton", EXPORT_WORLDWIND_TILES },
    { "wgtCesTilesRadioButton", EXPORT_CES_TILES },
    { "wgtQuarryTilesRadioButton", EXPORT_QUARRY_TILES },
};

template <class T> T* child(QWidget* widget, const char* name)
{
    return widget->findChild<T*>(QLatin1String(name));
}

TEST(SaverWidget, StartsWithOriginalJpegAndResolvesSeveralLayoutsByPriority)
{
    CSaverWidget widget;
    EXPECT_EQ(widget.GetExportType(), EXPORT_ORIGINAL_TILES);
    EXPECT_EQ(widget.GetTileSaverImageType(), SAVE_IMAGE_JPG);
    child<QComboBox>(&widget, "wgtFormatComboBox")->setCurrentIndex(2);
    EXPECT_EQ(widget.GetTileSaverImageType(), SAVE_IMAGE_MIXED);
    saverstest::screenshot(widget, "CSaverWidget", QSize(400, 200));
    EXPECT_FALSE(child<QRadioButton>(&widget, "wgtCesTilesRadioButton")->isVisible());

    // Made non-exclusive (as code can), all checked: unchecking from the top lets each next win.
    for (const auto& layout : kByPriority) {
        child<QRadioButton>(&widget, layout.first)->setAutoExclusive(false);
        child<QRadioButton>(&widget, layout.first)->setChecked(true);
    }
    CPropertySetObject properties;
    for (const auto& layout : kByPriority) {
        EXPECT_EQ(widget.GetExportType(), layout.second) << layout.first;
        properties.SetProperty("stale", 1);
        EXPECT_EQ(
            widget.GetTileSaverReferenceName(properties), GetExportTypeReference(layout.second));
        EXPECT_EQ(properties.Count(), layout.second == EXPORT_CUSTOM_TILES ? 4 : 0);
        child<QRadioButton>(&widget, layout.first)->setChecked(false);
    }
    EXPECT_EQ(widget.GetExportType(), EXPORT_ORIGINAL_TILES);
}

TEST(SaverWidget, CustomLayoutHandsTheNamingToTheSaver)
{
    CSaverWidget widget;
    QPushButton* set = child<QPushButton>(&widget, "wgtCustomTitlesPushButton");
    EXPECT_FALSE(set->isEnabled());
    child<QRadioButton>(&widget, "wgtCustomTilesRadioButton")->click();
    EXPECT_TRUE(set->isEnabled());
    child<QRadioButton>(&widget, "wgtArcGISTilesRadioButton")->click();
    EXPECT_FALSE(set->isEnabled());
    // Only the custom layout opens the dialog, even when code enables the button.
    set->setEnabled(true);
    QWidget* opened = nullptr;
    QTimer::singleShot(0, [&] { opened = QApplication::activeModalWidget(); });
    set->click();
    QCoreApplication::processEvents();
    EXPECT_EQ(opened, nullptr);

    child<QRadioButton>(&widget, "wgtCustomTilesRadioButton")->click();
    saverstest::onModal([](QWidget* dialog) {
        child<QRadioButton>(dialog, "radioButton_5")->click();
        child<QRadioButton>(dialog, "rbHexadecimal")->click();
        child<QPushButton>(dialog, "okButton")->click();
    });
    set->click();
    CPropertySetObject properties;
    EXPECT_EQ(
        widget.GetTileSaverReferenceName(properties), GetExportTypeReference(EXPORT_CUSTOM_TILES));
    EXPECT_EQ(properties.GetPropertyNames(),
        std::vector<std::string>({ "XYZStyle", "XYZDecimal", "XYZUpper", "XYZFillZero" }));
    EXPECT_EQ(properties.GetProperty("XYZStyle").toString(), "{z}\\{x}-{y}");
    EXPECT_EQ(properties.GetProperty("XYZDecimal"), QVariant(true));
    EXPECT_EQ(properties.GetProperty("XYZUpper"), QVariant(false));
    // The naming stays with the widget: the dialog opens on it again.
    QString shown;
    saverstest::onModal([&](QWidget* dialog) {
        shown = child<QLineEdit>(dialog, "customForm")->text();
        child<QPushButton>(dialog, "cancelButton")->click();
    });
    set->click();
    EXPECT_EQ(shown, "{z}\\{x}-{y}");
}

} // namespace
