#include "OvCoordSystem/widgets/coordsys/TbtnCoord.h"

#include "WidgetShot.h"

#include <QAction>
#include <QMenu>

#include <gtest/gtest.h>

namespace {

// Every emission of the button, in order, as "signal(value)".
class Recorder
{
public:
    explicit Recorder(TbtnCoord& button)
    {
        QObject::connect(&button, &TbtnCoord::signalPositionFormat,
            [this](E_DEGREE_FOARMAT t) { m_log << QStringLiteral("position(%1)").arg(t); });
        QObject::connect(&button, &TbtnCoord::signalDistanceFormat,
            [this](TbtnCoord::E_LENGTH_UNIT u) { m_log << QStringLiteral("distance(%1)").arg(u); });
        QObject::connect(&button, &TbtnCoord::signalSetCoordText,
            [this](const QString& text) { m_log << "coordText(" + text + ")"; });
        QObject::connect(&button, &TbtnCoord::signalSetDistanceText,
            [this](const QString& text) { m_log << "distanceText(" + text + ")"; });
    }
    QStringList take() { return std::exchange(m_log, QStringList()); }

private:
    QStringList m_log;
};

QStringList checkedTexts(const TbtnCoord& button)
{
    QStringList texts;
    for (const QAction* action : button.menu()->actions())
        if (action->isChecked()) texts << action->text();
    return texts;
}

const QString kDecimal = QString::fromUtf8("十进制小数度(D)");
const QString kColons = QString::fromUtf8("度:分:秒(DDD:MM:SS)");

TEST(TbtnCoord, PositionMenuListsTheFourFormats)
{
    TbtnCoord button;
    EXPECT_EQ(button.popupMode(), QToolButton::InstantPopup);
    const QList<QAction*> actions = button.menu()->actions();
    ASSERT_EQ(actions.size(), 4);
    const QStringList texts = { kDecimal, QString::fromUtf8("度.分秒(DDD.MMSS)"), kColons,
        QString::fromUtf8("度°分ˊ秒〞(DDD°MMˊSS〞)") };
    const int values[] = { DEGREE_DECIMAL, DEGREE_PACKED, DEGREE_COLONS, DEGREE_SYMBOLS };
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(actions[i]->text(), texts[i]);
        EXPECT_EQ(actions[i]->data().toInt(), values[i]);
        EXPECT_TRUE(actions[i]->isCheckable());
    }
    EXPECT_EQ(checkedTexts(button), QStringList({ kDecimal }));
}

TEST(TbtnCoord, ChoosingAFormatSignalsValueThenText)
{
    TbtnCoord button;
    Recorder recorder(button);
    button.menu()->actions()[2]->trigger();
    EXPECT_EQ(recorder.take(), QStringList({ "position(3)", "coordText(" + kColons + ")" }));
    EXPECT_EQ(button.getCurrDmsType(), DEGREE_COLONS);
    EXPECT_EQ(checkedTexts(button), QStringList({ kColons }));
    // Triggering the checked entry again keeps it checked.
    button.menu()->actions()[2]->trigger();
    EXPECT_EQ(checkedTexts(button), QStringList({ kColons }));
    recorder.take();

    button.positionFormat(static_cast<E_DEGREE_FOARMAT>(7));
    EXPECT_EQ(recorder.take(), QStringList({ "position(7)", "coordText()" }));
    EXPECT_TRUE(checkedTexts(button).isEmpty());
    EXPECT_EQ(button.getCurrDmsType(), 7);
}

TEST(TbtnCoord, DistanceModeOffersThreeUnits)
{
    TbtnCoord button;
    Recorder recorder(button);
    button.distanceFormat(); // not in distance mode yet: nothing happens
    EXPECT_TRUE(recorder.take().isEmpty());
    button.setDistanceFormat();
    const QList<QAction*> actions = button.menu()->actions();
    ASSERT_EQ(actions.size(), 3);
    EXPECT_EQ(checkedTexts(button), QStringList({ QString::fromUtf8("米") }));
    actions[2]->trigger();
    EXPECT_EQ(
        recorder.take(), QStringList({ QString::fromUtf8("distanceText(丈)"), "distance(2)" }));
    actions[1]->trigger();
    EXPECT_EQ(
        recorder.take(), QStringList({ QString::fromUtf8("distanceText(公里)"), "distance(1)" }));
    EXPECT_EQ(checkedTexts(button), QStringList({ QString::fromUtf8("公里") }));
    button.distanceFormat();
    EXPECT_EQ(
        recorder.take(), QStringList({ QString::fromUtf8("distanceText(米)"), "distance(0)" }));
    EXPECT_EQ(checkedTexts(button), QStringList({ QString::fromUtf8("米") }));
}

TEST(TbtnCoord, DisabledButtonDrawsItsTextFaint)
{
    TbtnCoord button;
    button.setText(QStringLiteral("DMS"));
    const auto textAlpha = [&button] {
        button.ensurePolished();
        return button.palette().color(QPalette::ButtonText).alpha();
    };
    button.SetEnabled(false);
    EXPECT_FALSE(button.isEnabled());
    EXPECT_EQ(textAlpha(), 100);
    button.SetEnabled(true);
    EXPECT_TRUE(button.isEnabled());
    EXPECT_EQ(textAlpha(), 255);
}

TEST(TbtnCoord, Screenshot)
{
    QWidget frame;
    frame.resize(260, 160);
    TbtnCoord button(&frame);
    button.setText(kDecimal);
    button.setToolButtonStyle(Qt::ToolButtonTextOnly);
    button.move(10, 10);
    button.menu()->popup(frame.mapToGlobal(QPoint(10, 40)));
    button.adjustSize();
    widgetshot::save(frame, QStringLiteral("TbtnCoord"), QSize(200, 100));
    widgetshot::save(*button.menu(), QStringLiteral("TbtnCoord-menu"), QSize(100, 60));
    button.menu()->hide();
}

} // namespace
