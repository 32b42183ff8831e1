#include "OvCoordSystem/widgets/coordsys/DlgSetSpaced.h"

#include "WidgetShot.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>

#include <gtest/gtest.h>

namespace {

class DlgSetSpacedTest : public ::testing::Test
{
protected:
    template <class T> T* child(const char* name)
    {
        T* found = m_dialog.findChild<T*>(QLatin1String(name));
        EXPECT_NE(found, nullptr) << name;
        return found;
    }
    QLineEdit* horizontal() { return child<QLineEdit>("lineEdit"); }
    QLineEdit* vertical() { return child<QLineEdit>("lineEdit_2"); }
    QStringList edits() { return { horizontal()->text(), vertical()->text() }; }
    void setEdits(const QString& h, const QString& v)
    {
        horizontal()->setText(h);
        vertical()->setText(v);
    }
    // Picks entry ROW of the menu of BUTTON ("toolButton" units, "toolButton_2" formats).
    void choose(const char* button, int row)
    {
        child<TbtnCoord>(button)->menu()->actions().at(row)->trigger();
    }

    CDlgSetSpaced m_dialog;
};

enum UnitRow
{
    Metre,
    Kilometre,
    Zhang
};
enum FormatRow
{
    Decimal,
    Packed,
    Colons,
    Symbols
};

TEST_F(DlgSetSpacedTest, OpensOnThousandMetres)
{
    EXPECT_EQ(m_dialog.title(), QString::fromUtf8("间距设置"));
    EXPECT_TRUE(child<QRadioButton>("rbtnDistance")->isChecked());
    EXPECT_EQ(edits(), QStringList({ "1000", "1000" }));
    EXPECT_EQ(child<QLabel>("label_4")->text(), QString::fromUtf8("米"));
    EXPECT_EQ(child<QLabel>("label_5")->text(), QString::fromUtf8("十进制小数度(D)"));
    EXPECT_TRUE(child<TbtnCoord>("toolButton")->isEnabled());
    EXPECT_FALSE(child<TbtnCoord>("toolButton_2")->isEnabled());
    EXPECT_EQ(child<TbtnCoord>("toolButton")->menu()->actions().size(), 3);
    EXPECT_FALSE(m_dialog.IsAccepted());
    EXPECT_EQ(m_dialog.GetResultKind(), 0);
}

TEST_F(DlgSetSpacedTest, UnitsConvertThroughMetres)
{
    const struct
    {
        int row;
        const char* label;
        const char* text;
    } steps[] = {
        { Kilometre, "公里", "1" },
        { Zhang, "丈", "300" },
        { Metre, "米", "1000" },
        { Zhang, "丈", "300" },
        { Kilometre, "公里", "1" },
        { Kilometre, "公里", "1" },
        { Metre, "米", "1000" },
    };
    for (const auto& step : steps) {
        SCOPED_TRACE(step.label);
        choose("toolButton", step.row);
        EXPECT_EQ(edits(), QStringList({ step.text, step.text }));
        EXPECT_EQ(child<QLabel>("label_4")->text(), QString::fromUtf8(step.label));
    }
    // Six significant digits; text that is no number counts as 0.
    setEdits(QStringLiteral("1234.5678"), QStringLiteral("abc"));
    choose("toolButton", Zhang);
    EXPECT_EQ(edits(), QStringList({ "370.37", "0" }));
}

TEST_F(DlgSetSpacedTest, OkReturnsMetres)
{
    choose("toolButton", Kilometre);
    setEdits(QStringLiteral("2"), QStringLiteral("3"));
    widgetshot::onNextModal([](QWidget* dialog) {
        dialog->findChild<QPushButton*>(QStringLiteral("btnEnter"))->click();
    });
    m_dialog.exec();
    EXPECT_TRUE(m_dialog.IsAccepted());
    EXPECT_EQ(m_dialog.GetResultKind(), 2);
    EXPECT_EQ(m_dialog.GetHorizontalSpacing(), 2000.0);
    EXPECT_EQ(m_dialog.GetVerticalSpacing(), 3000.0);

    choose("toolButton", Zhang);
    setEdits(QStringLiteral("3"), QStringLiteral("x"));
    child<QPushButton>("btnEnter")->click();
    EXPECT_DOUBLE_EQ(m_dialog.GetHorizontalSpacing(), 10.0);
    EXPECT_EQ(m_dialog.GetVerticalSpacing(), 0.0);
}

TEST_F(DlgSetSpacedTest, DegreesSwitchFormatsAndComeBack)
{
    child<QRadioButton>("rbtnLB")->click();
    EXPECT_EQ(edits(), QStringList({ "1", "1" }));
    EXPECT_FALSE(child<TbtnCoord>("toolButton")->isEnabled());
    EXPECT_TRUE(child<TbtnCoord>("toolButton_2")->isEnabled());
    const struct
    {
        int row;
        const char* label;
        const char* text;
    } steps[] = {
        { Colons, "度:分:秒(DDD:MM:SS)", "1:00:00" },
        { Decimal, "十进制小数度(D)", "1" },
        // The packed "1.0000" keeps two zeros after the point.
        { Packed, "度.分秒(DDD.MMSS)", "1.00" },
        { Symbols, "度°分ˊ秒〞(DDD°MMˊSS〞)", "1°00′00″" },
        { Colons, "度:分:秒(DDD:MM:SS)", "1:00:00" },
        { Decimal, "十进制小数度(D)", "1" },
    };
    for (const auto& step : steps) {
        SCOPED_TRACE(step.label);
        choose("toolButton_2", step.row);
        EXPECT_EQ(edits(), QStringList({ step.text, step.text }));
        EXPECT_EQ(child<QLabel>("label_5")->text(), QString::fromUtf8(step.label));
    }
    // 0.5° is 30′; 0.00833° is 29.988″, written "0.002998800" and cut after its last digit.
    setEdits(QStringLiteral("0.5"), QStringLiteral("0.0083300"));
    choose("toolButton_2", Packed);
    EXPECT_EQ(edits(), QStringList({ "0.30", "0.0029988" }));
    choose("toolButton_2", Decimal);
    EXPECT_EQ(edits(), QStringList({ "0.5", "0.00833" }));
    // A text that does not read is 0 in the new format.
    setEdits(QStringLiteral("east"), QStringLiteral("1:75:00"));
    choose("toolButton_2", Colons);
    EXPECT_EQ(edits(), QStringList({ "0:00:00", "0:00:00" }));
}

TEST_F(DlgSetSpacedTest, OkReturnsDecimalDegrees)
{
    child<QRadioButton>("rbtnLB")->click();
    choose("toolButton_2", Colons);
    setEdits(QStringLiteral("0:30:00"), QStringLiteral("1:15:36"));
    child<QPushButton>("btnEnter")->click();
    EXPECT_EQ(m_dialog.GetResultKind(), 1);
    EXPECT_DOUBLE_EQ(m_dialog.GetHorizontalSpacing(), 0.5);
    EXPECT_DOUBLE_EQ(m_dialog.GetVerticalSpacing(), 1.26);
    setEdits(QStringLiteral("0:75:00"), QStringLiteral("0:00:36"));
    child<QPushButton>("btnEnter")->click();
    EXPECT_EQ(m_dialog.GetHorizontalSpacing(), 0.0);
    EXPECT_DOUBLE_EQ(m_dialog.GetVerticalSpacing(), 0.01);
}

TEST_F(DlgSetSpacedTest, SwitchingBackToDistanceStartsAgainAtThousandMetres)
{
    choose("toolButton", Zhang);
    child<QRadioButton>("rbtnLB")->click();
    choose("toolButton_2", Colons);
    child<QRadioButton>("rbtnDistance")->click();
    EXPECT_EQ(edits(), QStringList({ "1000", "1000" }));
    EXPECT_EQ(child<QLabel>("label_4")->text(), QString::fromUtf8("米"));
    EXPECT_TRUE(child<TbtnCoord>("toolButton")->isEnabled());
    EXPECT_FALSE(child<TbtnCoord>("toolButton_2")->isEnabled());
    child<QPushButton>("btnEnter")->click();
    EXPECT_EQ(m_dialog.GetHorizontalSpacing(), 1000.0);
    // Back to degrees the edits read 1 in decimal degrees again.
    child<QRadioButton>("rbtnLB")->click();
    EXPECT_EQ(edits(), QStringList({ "1", "1" }));
    EXPECT_EQ(child<QLabel>("label_5")->text(), QString::fromUtf8("十进制小数度(D)"));
}

TEST_F(DlgSetSpacedTest, PresetFillsTheForm)
{
    m_dialog.Preset(1, 0.25, 1.0 / 3.0);
    EXPECT_TRUE(child<QRadioButton>("rbtnLB")->isChecked());
    EXPECT_EQ(edits(), QStringList({ "0.250000", "0.333333" }));
    EXPECT_EQ(m_dialog.GetResultKind(), 1);
    EXPECT_EQ(m_dialog.GetHorizontalSpacing(), 0.25);

    m_dialog.Preset(2, 1234567.0, 30.5);
    EXPECT_TRUE(child<QRadioButton>("rbtnDistance")->isChecked());
    EXPECT_EQ(edits(), QStringList({ "1.23457e+06", "30.5" }));
    EXPECT_EQ(m_dialog.GetResultKind(), 2);

    m_dialog.Preset(5, 7.0, 8.0);
    EXPECT_EQ(edits(), QStringList({ "1000", "1000" }));
    EXPECT_EQ(m_dialog.GetResultKind(), 5);
    EXPECT_EQ(m_dialog.GetVerticalSpacing(), 8.0);
    EXPECT_FALSE(m_dialog.IsAccepted());
}

TEST_F(DlgSetSpacedTest, CancelLeavesTheResults)
{
    m_dialog.Preset(2, 10.0, 20.0);
    setEdits(QStringLiteral("99"), QStringLiteral("99"));
    widgetshot::onNextModal([](QWidget* dialog) {
        dialog->findChild<QPushButton*>(QStringLiteral("cancel"))->click();
    });
    m_dialog.exec();
    EXPECT_FALSE(m_dialog.isVisible());
    EXPECT_FALSE(m_dialog.IsAccepted());
    EXPECT_EQ(m_dialog.GetHorizontalSpacing(), 10.0);
    EXPECT_EQ(m_dialog.GetVerticalSpacing(), 20.0);
}

TEST_F(DlgSetSpacedTest, Screenshot)
{
    widgetshot::save(m_dialog, QStringLiteral("CDlgSetSpaced"), QSize(300, 140));
    child<QRadioButton>("rbtnLB")->click();
    choose("toolButton_2", Symbols);
    widgetshot::save(m_dialog, QStringLiteral("CDlgSetSpaced-degrees"), QSize(300, 140));
}

} // namespace
