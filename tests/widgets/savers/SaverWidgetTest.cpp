#include "OvCoordSystem/widgets/savers/SaverWidget.h"
#include "OvCoordSystem/host/export/ExportTypeReference.h"

#include "WidgetShot.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include <gtest/gtest.h>

namespace {

QRadioButton* layoutButton(CSaverWidget& widget, const char* name)
{
    QRadioButton* button = widget.findChild<QRadioButton*>(QLatin1String(name));
    EXPECT_NE(button, nullptr) << name;
    return button;
}

QPushButton* customButton(CSaverWidget& widget)
{
    return widget.findChild<QPushButton*>(QStringLiteral("wgtCustomTitlesPushButton"));
}

TEST(SaverWidget, StartsWithOriginalTilesAsJpeg)
{
    CSaverWidget widget;
    EXPECT_EQ(widget.GetExportType(), EXPORT_ORIGINAL_TILES);
    EXPECT_EQ(widget.GetTileSaverImageType(), SAVE_IMAGE_JPG);
    EXPECT_FALSE(customButton(widget)->isEnabled());
    widget.show();
    EXPECT_FALSE(layoutButton(widget, "wgtCesTilesRadioButton")->isVisible());
    QComboBox* formats = widget.findChild<QComboBox*>(QStringLiteral("wgtFormatComboBox"));
    ASSERT_EQ(formats->count(), 3);
    EXPECT_EQ(formats->itemText(2), QString::fromUtf8("混合模式"));
    const E_SAVE_IMAGE_TYPE types[] = { SAVE_IMAGE_JPG, SAVE_IMAGE_PNG, SAVE_IMAGE_MIXED };
    for (int row = 0; row < 3; ++row) {
        formats->setCurrentIndex(row);
        EXPECT_EQ(widget.GetTileSaverImageType(), types[row]);
    }
}

TEST(SaverWidget, EachLayoutReportsItsTypeAndSaver)
{
    const struct
    {
        const char* button;
        EXPORTTYPE type;
    } layouts[] = {
        { "wgtStanderTMSTilesRadioButton", EXPORT_STANDARD_TMS_TILES },
        { "wgtArcGISTilesRadioButton", EXPORT_ARCGIS_TILES },
        { "wgtWordWindTilesRadioButton", EXPORT_WORLDWIND_TILES },
        { "wgtQuarryTilesRadioButton", EXPORT_QUARRY_TILES },
        { "wgtCesTilesRadioButton", EXPORT_CES_TILES },
        { "wgtOriginalTilesRadioButton", EXPORT_ORIGINAL_TILES },
    };
    CSaverWidget widget;
    CPropertySetObject properties;
    properties.SetProperty("stale", 1);
    for (const auto& layout : layouts) {
        SCOPED_TRACE(layout.button);
        layoutButton(widget, layout.button)->setChecked(true);
        EXPECT_EQ(widget.GetExportType(), layout.type);
        const std::string name = widget.GetTileSaverReferenceName(properties);
        EXPECT_FALSE(name.empty());
        EXPECT_EQ(name, GetExportTypeReference(layout.type));
        EXPECT_EQ(properties.Count(), 0);
    }
}

// Radio buttons made non-exclusive (as code can) are read in a fixed order.
TEST(SaverWidget, SeveralCheckedLayoutsResolveByPriority)
{
    const char* byPriority[] = { "wgtOriginalTilesRadioButton", "wgtStanderTMSTilesRadioButton",
        "wgtArcGISTilesRadioButton", "wgtCustomTilesRadioButton", "wgtWordWindTilesRadioButton",
        "wgtCesTilesRadioButton", "wgtQuarryTilesRadioButton" };
    const EXPORTTYPE types[]
        = { EXPORT_ORIGINAL_TILES, EXPORT_STANDARD_TMS_TILES, EXPORT_ARCGIS_TILES,
              EXPORT_CUSTOM_TILES, EXPORT_WORLDWIND_TILES, EXPORT_CES_TILES, EXPORT_QUARRY_TILES };
    CSaverWidget widget;
    for (const char* name : byPriority) {
        layoutButton(widget, name)->setAutoExclusive(false);
        layoutButton(widget, name)->setChecked(true);
    }
    // Unchecking from the top lets each next one win; none checked is the original layout.
    for (int i = 0; i < 7; ++i) {
        EXPECT_EQ(widget.GetExportType(), types[i]) << byPriority[i];
        layoutButton(widget, byPriority[i])->setChecked(false);
    }
    EXPECT_EQ(widget.GetExportType(), EXPORT_ORIGINAL_TILES);
    // Quarry and ArcGIS together: ArcGIS comes first.
    layoutButton(widget, "wgtQuarryTilesRadioButton")->setChecked(true);
    layoutButton(widget, "wgtArcGISTilesRadioButton")->setChecked(true);
    EXPECT_EQ(widget.GetExportType(), EXPORT_ARCGIS_TILES);
}

TEST(SaverWidget, CustomLayoutEnablesItsButton)
{
    CSaverWidget widget;
    layoutButton(widget, "wgtCustomTilesRadioButton")->click();
    EXPECT_TRUE(customButton(widget)->isEnabled());
    layoutButton(widget, "wgtArcGISTilesRadioButton")->click();
    EXPECT_FALSE(customButton(widget)->isEnabled());
}

TEST(SaverWidget, ButtonOpensNothingWhileAnotherLayoutIsChecked)
{
    CSaverWidget widget;
    customButton(widget)->setEnabled(true);
    QWidget* opened = nullptr;
    QTimer::singleShot(0, [&] {
        opened = QApplication::activeModalWidget();
        if (opened) opened->close();
    });
    customButton(widget)->click();
    QCoreApplication::processEvents();
    EXPECT_EQ(opened, nullptr);
}

TEST(SaverWidget, CustomLayoutHandsTheNamingToTheSaver)
{
    CSaverWidget widget;
    layoutButton(widget, "wgtCustomTilesRadioButton")->click();
    CPropertySetObject properties;
    widgetshot::onNextModal([](QWidget* dialog) {
        dialog->findChild<QRadioButton*>(QStringLiteral("radioButton_5"))->click();
        dialog->findChild<QRadioButton*>(QStringLiteral("rbHexadecimal"))->click();
        dialog->findChild<QPushButton*>(QStringLiteral("okButton"))->click();
    });
    customButton(widget)->click();
    EXPECT_EQ(
        widget.GetTileSaverReferenceName(properties), GetExportTypeReference(EXPORT_CUSTOM_TILES));
    EXPECT_EQ(properties.GetPropertyNames(),
        std::vector<std::string>({ "XYZStyle", "XYZDecimal", "XYZUpper", "XYZFillZero" }));
    EXPECT_EQ(properties.GetProperty("XYZStyle").toString(), "{z}\\{x}-{y}");
    EXPECT_TRUE(properties.GetProperty("XYZDecimal").toBool());
    EXPECT_FALSE(properties.GetProperty("XYZUpper").toBool());
    EXPECT_FALSE(properties.GetProperty("XYZFillZero").toBool());

    // The naming stays with the widget: the dialog opens on it again.
    QString shown;
    widgetshot::onNextModal([&](QWidget* dialog) {
        shown = dialog->findChild<QLineEdit*>(QStringLiteral("customForm"))->text();
        dialog->findChild<QPushButton*>(QStringLiteral("cancelButton"))->click();
    });
    customButton(widget)->click();
    EXPECT_EQ(shown, "{z}\\{x}-{y}");
}

TEST(SaverWidget, Screenshot)
{
    CSaverWidget widget;
    widgetshot::save(widget, QStringLiteral("CSaverWidget"), QSize(400, 200));
}

} // namespace
