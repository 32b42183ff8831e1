#include "OvCoordSystem/widgets/savers/DemSaverWidget.h"

#include "WidgetTestSupport.h"

namespace {

using namespace widgettest;

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
