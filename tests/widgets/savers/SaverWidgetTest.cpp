#include "OvCoordSystem/widgets/savers/SaverWidget.h"
#include "OvCoordSystem/host/DownloadTask.h"
#include "OvCoordSystem/host/export/ExportTypeReference.h"
#include "OvCoordSystem/widgets/savers/DemSaverWidget.h"
#include "OvCoordSystem/widgets/savers/ExportTileCustom.h"

#include "SaversTestSupport.h"

#include <QDir>
#include <QImage>
#include <QPushButton>
#include <QRadioButton>

#include <set>

namespace {

using saverstest::child;

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
    for (const auto& layout : byPriority) {
        properties.SetProperty("stale", 1); // replaced by the saver's own settings
        const std::string reference = widget.GetTileSaverReferenceName(properties);
        EXPECT_TRUE(widget.GetExportType() == layout.second
            && reference == GetExportTypeReference(layout.second)
            && properties.Count() == (layout.second == EXPORT_CUSTOM_TILES ? 4 : 0))
            << layout.first << ": " << reference << ", " << properties.Count() << " properties";
        child<QRadioButton>(&widget, layout.first)->setChecked(false);
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
    set->setEnabled(true); // code may enable it: still no dialog
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
    widget.GetTileSaverReferenceName(properties);
    QString named;
    for (const std::string& name : properties.GetPropertyNames())
        named += QString::fromStdString(name) + "=" + properties.GetProperty(name).toString() + " ";
    EXPECT_EQ(named, "XYZStyle={z}\\{x}-{y} XYZDecimal=true XYZUpper=false XYZFillZero=false ");
}

// Renders WIDGET into NAME.png ($OV_SCREENSHOT_DIR, else "screenshots/savers" beside the test
// program); the picture must have at least MINSIZE and not be nearly one colour.
void screenshot(QWidget& widget, const QString& name, QSize minSize)
{
    widget.show();
    QCoreApplication::processEvents();
    const QImage image = widget.grab().toImage();
    std::set<QRgb> colours;
    for (int i = 0; i < image.width() * image.height(); i += 3)
        colours.insert(image.pixel(i % image.width(), i / image.width()));
    EXPECT_TRUE(image.width() >= minSize.width() && image.height() >= minSize.height()
        && colours.size() > 8)
        << name.toStdString() << ": " << image.width() << " x " << image.height() << ", "
        << colours.size() << " colours";
    const QString dir = qEnvironmentVariable(
        "OV_SCREENSHOT_DIR", QCoreApplication::applicationDirPath() + "/screenshots/savers");
    EXPECT_TRUE(QDir().mkpath(dir) && image.save(dir + "/" + name + ".png"));
}

// Also run by the demo, which shows these pictures.
TEST(SaverWidgets, Screenshots)
{
    CSaverWidget saver;
    screenshot(saver, "CSaverWidget", QSize(400, 200));
    DownloadTask task;
    ExportTileCustom naming(&task);
    naming.resize(521, 370);
    child<QRadioButton>(&naming, "radioButton_3")->click();
    screenshot(naming, "ExportTileCustom", QSize(500, 350));
    CDemSaverWidget dem;
    screenshot(dem, "CDemSaverWidget", QSize(500, 40));
}

} // namespace
