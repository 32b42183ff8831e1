#include "OvCoordSystem/widgets/coordsys/DlgSetSpaced.h"

#include "OvCoordSystem/widgets/coordsys/TbtnCoord.h"

#include "CoordSysTestSupport.h"

#include <QAction>
#include <QMenu>

namespace {

class DlgSetSpacedTest : public ::testing::Test
{
protected:
    template <class T> T* child(const char* name)
    {
        return m_dialog.findChild<T*>(QLatin1String(name));
    }
    void type(const char* h, const char* v)
    {
        child<QLineEdit>("lineEdit")->setText(QString::fromUtf8(h));
        child<QLineEdit>("lineEdit_2")->setText(QString::fromUtf8(v));
    }
    // Picks entry ROW of the unit menu (metre, kilometre, zhang) or, in degrees, of the format
    // menu (decimal, packed, colons, symbols) when given; returns "label: edit|edit".
    QString pick(int row = -1)
    {
        const bool degrees = child<QRadioButton>("rbtnLB")->isChecked();
        auto* button = child<TbtnCoord>(degrees ? "toolButton_2" : "toolButton");
        if (row >= 0) button->menu()->actions()[row]->trigger();
        return child<QLabel>(degrees ? "label_5" : "label_4")->text() + ": "
            + child<QLineEdit>("lineEdit")->text() + "|" + child<QLineEdit>("lineEdit_2")->text();
    }
    // The edits after picking each of ROWS in turn, " ; "-joined.
    QString picks(std::initializer_list<int> rows)
    {
        QStringList edits;
        for (const int row : rows)
            edits << pick(row).section(": ", 1);
        return edits.join(" ; ");
    }
    // Kind and spacings after pressing BUTTON (when given).
    QString results(const char* button = nullptr)
    {
        if (button) child<QPushButton>(button)->click();
        return QString::asprintf("%d %g %g", m_dialog.GetResultKind(),
            m_dialog.GetHorizontalSpacing(), m_dialog.GetVerticalSpacing());
    }

    CDlgSetSpaced m_dialog;
};

TEST_F(DlgSetSpacedTest, UnitsConvertThroughMetresAndPresetsFillTheForm)
{
    EXPECT_EQ(pick(1), QString::fromUtf8("公里: 1|1"));
    EXPECT_EQ(picks({ 2, 0 }), "300|300 ; 1000|1000");
    type("1234.5678", "abc"); // six significant digits; a text that is no number counts as 0
    EXPECT_EQ(pick(2), QString::fromUtf8("丈: 370.37|0"));
    pick(1);
    type("2", "3");
    coordsystest::clickInModal("btnEnter");
    m_dialog.exec();
    EXPECT_TRUE(m_dialog.IsAccepted() && results() == "2 2000 3000");
    // A preset fills the form; cancel keeps its results (as before: accepted).
    m_dialog.Preset(1, 0.25, 1.0 / 3.0);
    EXPECT_EQ(pick(), QString::fromUtf8("十进制小数度(D): 0.250000|0.333333"));
    m_dialog.Preset(5, 7.0, 8.0);
    EXPECT_EQ(pick(), QString::fromUtf8("米: 1000|1000"));
    type("99", "99");
    coordsystest::clickInModal("cancel");
    m_dialog.exec();
    EXPECT_EQ(results(), "5 7 8");
}

TEST_F(DlgSetSpacedTest, DegreesChangeFormatWithAtMostTwoTrailingZeros)
{
    child<QRadioButton>("rbtnLB")->click();
    EXPECT_FALSE(child<TbtnCoord>("toolButton")->isEnabled());
    EXPECT_EQ(pick(2), QString::fromUtf8("度:分:秒(DDD:MM:SS): 1:00:00|1:00:00"));
    EXPECT_EQ(picks({ 0, 1, 3 }), QString::fromUtf8("1|1 ; 1.00|1.00 ; 1°00′00″|1°00′00″"));
    type("0.5", "0.0083300");
    // 0.00833° is 29.988″: packed "0.002998800" loses its zeros; in decimal it reads again.
    EXPECT_EQ(picks({ 0, 1, 0 }), "0.5|0.00833 ; 0.30|0.0029988 ; 0.5|0.00833");
    pick(2);
    type("0:30:00", "1:15:36");
    EXPECT_EQ(results("btnEnter"), "1 0.5 1.26");
    type("1:75:00", "east"); // does not read (minutes above 60): 0
    EXPECT_EQ(picks({ 2 }) + " " + results("btnEnter"), "0:00:00|0:00:00 1 0 0");
    // Back to distance starts again from 1000 metres.
    child<QRadioButton>("rbtnDistance")->click();
    EXPECT_EQ(pick(), QString::fromUtf8("米: 1000|1000"));
    EXPECT_FALSE(child<TbtnCoord>("toolButton_2")->isEnabled());
}

TEST(TbtnCoord, FormatsSignalValueThenTextDistancesTextThenUnitDisabledTextIsFaint)
{
    QStringList log; // every emission, and the checked entry where asked
    TbtnCoord button;
    const auto text = [&log](const QString& t) { log << t; };
    const auto value = [&log](int v) { log << QString::number(v); };
    QObject::connect(&button, &TbtnCoord::signalSetCoordText, text);
    QObject::connect(&button, &TbtnCoord::signalSetDistanceText, text);
    QObject::connect(&button, &TbtnCoord::signalPositionFormat, value);
    QObject::connect(&button, &TbtnCoord::signalDistanceFormat, value);
    const auto checked = [&] {
        for (const QAction* action : button.menu()->actions())
            if (action->isChecked()) log << "checked " + action->text();
    };
    checked();
    button.menu()->actions()[2]->trigger();
    button.menu()->actions()[2]->trigger(); // chosen again, it stays checked
    checked();
    button.distanceFormat(); // no distance menu yet: nothing
    button.positionFormat(static_cast<E_DEGREE_FOARMAT>(7)); // unknown: empty text, none checked
    checked();
    const QString colons = QString::fromUtf8("度:分:秒(DDD:MM:SS)");
    EXPECT_EQ(log.join('|'),
        QString::fromUtf8("checked 十进制小数度(D)|3|%1|3|%1|checked %1|7|").arg(colons));
    log.clear();
    button.setDistanceFormat();
    button.menu()->actions()[2]->trigger();
    button.menu()->actions()[1]->trigger();
    button.distanceFormat();
    checked();
    EXPECT_EQ(log.join('|'), QString::fromUtf8("丈|2|公里|1|米|0|checked 米"));

    for (const bool enabled : { false, true }) {
        button.SetEnabled(enabled);
        button.ensurePolished();
        EXPECT_EQ(button.palette().color(QPalette::ButtonText).alpha(), enabled ? 255 : 100);
    }
}

} // namespace
