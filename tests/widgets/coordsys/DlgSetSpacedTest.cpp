#include "OvCoordSystem/widgets/coordsys/DlgSetSpaced.h"

#include "CoordSysTestSupport.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>

#include <gtest/gtest.h>

namespace {

enum Row
{
    Metre = 0,
    Kilometre = 1,
    Zhang = 2,
    Decimal = 0,
    Packed = 1,
    Colons = 2,
    Symbols = 3
};

class DlgSetSpacedTest : public ::testing::Test
{
protected:
    template <class T> T* child(const char* name)
    {
        return m_dialog.findChild<T*>(QLatin1String(name));
    }
    QStringList edits()
    {
        return { child<QLineEdit>("lineEdit")->text(), child<QLineEdit>("lineEdit_2")->text() };
    }
    void setEdits(const char* h, const char* v)
    {
        child<QLineEdit>("lineEdit")->setText(QString::fromUtf8(h));
        child<QLineEdit>("lineEdit_2")->setText(QString::fromUtf8(v));
    }
    // Picks entry ROW of BUTTON's menu; returns "label: edit|edit".
    QString choose(const char* button, int row)
    {
        child<TbtnCoord>(button)->menu()->actions().at(row)->trigger();
        const char* label = QByteArray(button) == "toolButton" ? "label_4" : "label_5";
        return child<QLabel>(label)->text() + ": " + edits().join('|');
    }
    void ok() { child<QPushButton>("btnEnter")->click(); }
    QList<double> results()
    {
        return { double(m_dialog.GetResultKind()), m_dialog.GetHorizontalSpacing(),
            m_dialog.GetVerticalSpacing() };
    }

    CDlgSetSpaced m_dialog;
};

TEST_F(DlgSetSpacedTest, UnitsConvertThroughMetres)
{
    EXPECT_EQ(m_dialog.title(), QString::fromUtf8("间距设置"));
    EXPECT_EQ(choose("toolButton", Kilometre), QString::fromUtf8("公里: 1|1"));
    EXPECT_EQ(choose("toolButton", Zhang), QString::fromUtf8("丈: 300|300"));
    EXPECT_EQ(choose("toolButton", Metre), QString::fromUtf8("米: 1000|1000"));
    // Six significant digits; a text that is no number counts as 0.
    setEdits("1234.5678", "abc");
    EXPECT_EQ(choose("toolButton", Zhang), QString::fromUtf8("丈: 370.37|0"));
    choose("toolButton", Kilometre);
    setEdits("2", "3");
    coordsystest::clickInModal("btnEnter");
    m_dialog.exec();
    EXPECT_TRUE(m_dialog.IsAccepted());
    EXPECT_EQ(results(), QList<double>({ 2, 2000, 3000 }));
}

TEST_F(DlgSetSpacedTest, DegreesChangeFormatWithAtMostTwoTrailingZeros)
{
    child<QRadioButton>("rbtnLB")->click();
    EXPECT_FALSE(child<TbtnCoord>("toolButton")->isEnabled());
    EXPECT_EQ(edits(), QStringList({ "1", "1" }));
    EXPECT_EQ(
        choose("toolButton_2", Colons), QString::fromUtf8("度:分:秒(DDD:MM:SS): 1:00:00|1:00:00"));
    EXPECT_EQ(choose("toolButton_2", Decimal), QString::fromUtf8("十进制小数度(D): 1|1"));
    EXPECT_EQ(choose("toolButton_2", Packed), QString::fromUtf8("度.分秒(DDD.MMSS): 1.00|1.00"));
    EXPECT_EQ(
        choose("toolButton_2", Symbols).section(": ", 1), QString::fromUtf8("1°00′00″|1°00′00″"));
    // 0.00833° is 29.988″: packed "0.002998800" loses its zeros; back in decimal it reads again.
    setEdits("0.5", "0.0083300");
    choose("toolButton_2", Decimal);
    EXPECT_EQ(choose("toolButton_2", Packed).section(": ", 1), "0.30|0.0029988");
    EXPECT_EQ(choose("toolButton_2", Decimal).section(": ", 1), "0.5|0.00833");
    choose("toolButton_2", Colons);
    setEdits("0:30:00", "1:15:36");
    ok();
    EXPECT_EQ(results(), QList<double>({ 1, 0.5, 1.26 }));
    // Text that does not read (minutes above 60) is 0.
    setEdits("1:75:00", "east");
    EXPECT_EQ(choose("toolButton_2", Colons).section(": ", 1), "0:00:00|0:00:00");
    ok();
    EXPECT_EQ(results(), QList<double>({ 1, 0, 0 }));
    // Back to distance starts again from 1000 metres.
    EXPECT_EQ(choose("toolButton", Zhang).section(": ", 1), "0|0");
    child<QRadioButton>("rbtnDistance")->click();
    EXPECT_EQ(
        child<QLabel>("label_4")->text() + edits().join('|'), QString::fromUtf8("米1000|1000"));
    EXPECT_FALSE(child<TbtnCoord>("toolButton_2")->isEnabled());
}

TEST_F(DlgSetSpacedTest, PresetFillsTheFormAndCancelKeepsResults)
{
    m_dialog.Preset(1, 0.25, 1.0 / 3.0);
    EXPECT_TRUE(child<QRadioButton>("rbtnLB")->isChecked());
    EXPECT_EQ(edits(), QStringList({ "0.250000", "0.333333" }));
    m_dialog.Preset(2, 1234567.0, 30.5);
    EXPECT_TRUE(child<QRadioButton>("rbtnDistance")->isChecked());
    EXPECT_EQ(edits(), QStringList({ "1.23457e+06", "30.5" }));
    m_dialog.Preset(5, 7.0, 8.0);
    EXPECT_EQ(edits(), QStringList({ "1000", "1000" }));
    setEdits("99", "99");
    coordsystest::clickInModal("cancel");
    m_dialog.exec();
    EXPECT_FALSE(m_dialog.IsAccepted());
    EXPECT_EQ(results(), QList<double>({ 5, 7, 8 }));
    coordsystest::checkScreenshot(&m_dialog, QStringLiteral("CDlgSetSpaced"), 300, 140);
}

} // namespace
