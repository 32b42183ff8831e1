#include "OvCoordSystem/widgets/savers/DemSaverWidget.h"
#include "OvCoordSystem/widgets/coordsys/DlgSetSpaced.h"

#include "WidgetShot.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>

#include <gtest/gtest.h>

namespace {

struct Result
{
    std::string saver;
    E_SAVE_IMAGE_TYPE format = SAVE_IMAGE_MIXED;
    EXPORT_SPACE_TYPE spaceType = EXPORT_SPACE_DEGREE;
    QPointF spacing { -1.0, -1.0 };
};

Result result(const CDemSaverWidget& widget)
{
    Result r;
    r.saver = widget.GetSaverClassName(r.format, r.spaceType, r.spacing);
    return r;
}

class DemSaverWidgetTest : public ::testing::Test
{
protected:
    QComboBox* formats() { return m_widget.findChild<QComboBox*>("wgtFormatComboBox"); }
    QCheckBox* spacingBox() { return m_widget.findChild<QCheckBox*>("wgtBlockCheckBox"); }
    QPushButton* setButton() { return m_widget.findChild<QPushButton*>("wgtSetDividePushButton"); }

    // Presses "设置" and answers the spacing dialog with BUTTON after typing the two texts.
    void runSpacingDialog(const char* button, const QString& horizontal = QString(),
        const QString& vertical = QString())
    {
        widgetshot::onNextModal([=](QWidget* dialog) {
            if (!horizontal.isNull())
                dialog->findChild<QLineEdit*>("lineEdit")->setText(horizontal);
            if (!vertical.isNull()) dialog->findChild<QLineEdit*>("lineEdit_2")->setText(vertical);
            dialog->findChild<QPushButton*>(button)->click();
        });
        setButton()->click();
    }

    CDemSaverWidget m_widget;
};

TEST_F(DemSaverWidgetTest, StartsAsGeoTiffWithoutSpacing)
{
    const Result r = result(m_widget);
    EXPECT_EQ(r.saver, "CGDALHeightFieldDataSaver");
    EXPECT_EQ(r.format, SAVE_IMAGE_GEOTIFF);
    EXPECT_EQ(r.spaceType, EXPORT_SPACE_NONE);
    EXPECT_EQ(r.spacing, QPointF(0.0, 0.0));
    EXPECT_FALSE(spacingBox()->isEnabled());
    EXPECT_FALSE(spacingBox()->isChecked());
    EXPECT_FALSE(setButton()->isEnabled());
}

TEST_F(DemSaverWidgetTest, EachFormatNamesItsSaver)
{
    const struct
    {
        const char* text;
        E_SAVE_IMAGE_TYPE format;
        const char* saver;
        bool spacing;
    } rows[] = {
        { "GeoTIF(*.tif)", SAVE_IMAGE_GEOTIFF, "CGDALHeightFieldDataSaver", false },
        { "南方CASS(*.dat)", SAVE_IMAGE_CASS_DAT, "CHeightFieldSmaplePointDataSaver", true },
        { "文本文件(*.csv)", SAVE_IMAGE_CSV, "CHeightFieldSmaplePointDataSaver", true },
        { "XYZ文件(*.xyz)", SAVE_IMAGE_XYZ, "CHeightFieldSmaplePointDataSaver", true },
    };
    ASSERT_EQ(formats()->count(), 4);
    for (int row = 0; row < 4; ++row) {
        SCOPED_TRACE(rows[row].text);
        formats()->setCurrentIndex(row);
        EXPECT_EQ(formats()->currentText(), QString::fromUtf8(rows[row].text));
        const Result r = result(m_widget);
        EXPECT_EQ(r.saver, rows[row].saver);
        EXPECT_EQ(r.format, rows[row].format);
        EXPECT_EQ(spacingBox()->isEnabled(), rows[row].spacing);
    }
}

TEST_F(DemSaverWidgetTest, AcceptedSpacingIsReported)
{
    formats()->setCurrentIndex(3);
    spacingBox()->click();
    EXPECT_TRUE(setButton()->isEnabled());
    runSpacingDialog("btnEnter");
    const Result r = result(m_widget);
    EXPECT_EQ(r.saver, "CHeightFieldSmaplePointDataSaver");
    EXPECT_EQ(r.format, SAVE_IMAGE_XYZ);
    EXPECT_EQ(r.spaceType, EXPORT_SPACE_METRE);
    EXPECT_EQ(r.spacing, QPointF(1000.0, 1000.0));

    runSpacingDialog("btnEnter", "250", "abc");
    EXPECT_EQ(result(m_widget).spacing, QPointF(250.0, 0.0));
    // Unchecking the box presets the dialog back but keeps the accepted spacing.
    spacingBox()->click();
    EXPECT_FALSE(setButton()->isEnabled());
    EXPECT_EQ(result(m_widget).spacing, QPointF(250.0, 0.0));
    EXPECT_EQ(result(m_widget).spaceType, EXPORT_SPACE_METRE);
}

TEST_F(DemSaverWidgetTest, SpacingFlagSurvivesGeoTiff)
{
    formats()->setCurrentIndex(1);
    spacingBox()->click();
    formats()->setCurrentIndex(0);
    EXPECT_FALSE(spacingBox()->isChecked());
    EXPECT_FALSE(spacingBox()->isEnabled());
    EXPECT_FALSE(setButton()->isEnabled());
    formats()->setCurrentIndex(2);
    EXPECT_TRUE(spacingBox()->isChecked());
    EXPECT_TRUE(spacingBox()->isEnabled());
    EXPECT_TRUE(setButton()->isEnabled());
}

TEST_F(DemSaverWidgetTest, CancelBeforeAnyOkLeavesNoSpacing)
{
    formats()->setCurrentIndex(2);
    spacingBox()->click();
    runSpacingDialog("cancel", "5", "5");
    const Result r = result(m_widget);
    EXPECT_EQ(r.spaceType, EXPORT_SPACE_NONE);
    EXPECT_EQ(r.spacing, QPointF(0.0, 0.0));
    // Once accepted, the dialog's results count after a later cancel too.
    runSpacingDialog("btnEnter", "7", "8");
    runSpacingDialog("cancel", "9", "9");
    EXPECT_EQ(result(m_widget).spacing, QPointF(7.0, 8.0));
}

TEST_F(DemSaverWidgetTest, Screenshot)
{
    formats()->setCurrentIndex(3);
    spacingBox()->click();
    widgetshot::save(m_widget, QStringLiteral("CDemSaverWidget"), QSize(500, 40));
}

} // namespace
