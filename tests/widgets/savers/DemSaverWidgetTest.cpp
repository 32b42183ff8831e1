#include "OvCoordSystem/widgets/savers/DemSaverWidget.h"

#include "SaversTestSupport.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>

namespace {

class DemSaverWidgetTest : public ::testing::Test
{
protected:
    // "saver format kind (x, y) box:checked/enabled set:enabled".
    QString state()
    {
        E_SAVE_IMAGE_TYPE format = SAVE_IMAGE_MIXED;
        EXPORT_SPACE_TYPE kind = EXPORT_SPACE_DEGREE;
        QPointF spacing(-1, -1);
        const std::string saver = m_widget.GetSaverClassName(format, kind, spacing);
        return QString("%1 %2 %3 (%4, %5) box:%6%7 set:%8")
            .arg(QString::fromStdString(saver))
            .arg(format)
            .arg(kind)
            .arg(spacing.x())
            .arg(spacing.y())
            .arg(box()->isChecked())
            .arg(box()->isEnabled())
            .arg(m_widget.findChild<QPushButton*>("wgtSetDividePushButton")->isEnabled());
    }
    QCheckBox* box() { return m_widget.findChild<QCheckBox*>("wgtBlockCheckBox"); }
    void format(int row)
    {
        m_widget.findChild<QComboBox*>("wgtFormatComboBox")->setCurrentIndex(row);
    }
    // Presses "设置" and answers the spacing dialog with BUTTON, after typing H and V if given.
    void spacingDialog(const char* button, const char* h = nullptr, const char* v = nullptr)
    {
        saverstest::onModal([=](QWidget* dialog) {
            if (h) dialog->findChild<QLineEdit*>("lineEdit")->setText(h);
            if (v) dialog->findChild<QLineEdit*>("lineEdit_2")->setText(v);
            dialog->findChild<QPushButton*>(button)->click();
        });
        m_widget.findChild<QPushButton*>("wgtSetDividePushButton")->click();
    }

    CDemSaverWidget m_widget;
};

TEST_F(DemSaverWidgetTest, FormatsNameTheirSaversAndKeepTheSpacingFlag)
{
    EXPECT_EQ(state(), "CGDALHeightFieldDataSaver 0 0 (0, 0) box:00 set:0");
    const char* points = "CHeightFieldSmaplePointDataSaver";
    format(1);
    EXPECT_EQ(state(), QString("%1 7 0 (0, 0) box:01 set:0").arg(points));
    box()->click();
    EXPECT_EQ(state(), QString("%1 7 0 (0, 0) box:11 set:1").arg(points));
    format(0); // GeoTIFF hides the flag but keeps it
    EXPECT_EQ(state(), "CGDALHeightFieldDataSaver 0 0 (0, 0) box:00 set:0");
    format(2);
    EXPECT_EQ(state(), QString("%1 8 0 (0, 0) box:11 set:1").arg(points));
    format(3);
    EXPECT_EQ(m_widget.findChild<QComboBox*>("wgtFormatComboBox")->currentText(),
        QString::fromUtf8("XYZ文件(*.xyz)"));
    saverstest::screenshot(m_widget, "CDemSaverWidget", QSize(500, 40));
}

TEST_F(DemSaverWidgetTest, SpacingComesFromTheDialogOnceAccepted)
{
    format(3);
    box()->click();
    spacingDialog("cancel");
    EXPECT_EQ(state(), "CHeightFieldSmaplePointDataSaver 9 0 (0, 0) box:11 set:1");
    spacingDialog("btnEnter");
    EXPECT_EQ(state(), "CHeightFieldSmaplePointDataSaver 9 2 (1000, 1000) box:11 set:1");
    spacingDialog("btnEnter", "250", "abc");
    EXPECT_EQ(state().section(' ', 2, 4), "2 (250, 0)");
    // Once accepted, a cancelled dialog still hands over its last results.
    spacingDialog("cancel", "9", "9");
    EXPECT_EQ(state().section(' ', 2, 4), "2 (250, 0)");
    // Unchecking presets the dialog back but keeps the widget's spacing.
    box()->click();
    EXPECT_EQ(state(), "CHeightFieldSmaplePointDataSaver 9 2 (250, 0) box:01 set:0");
}

} // namespace
