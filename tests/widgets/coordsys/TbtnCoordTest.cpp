#include "OvCoordSystem/widgets/coordsys/TbtnCoord.h"

#include <QAction>
#include <QMenu>

#include <gtest/gtest.h>

#include "QtPrinters.h"

namespace {

// Runs the menu entries ROWS in turn (-1: distanceFormat(), beyond the menu: positionFormat(row))
// and returns every emission of the button, then the entries checked, "|"-joined.
QString run(TbtnCoord& button, std::initializer_list<int> rows)
{
    QStringList log;
    QObject context;
    const auto text = [&](const QString& t) { log << t; };
    QObject::connect(&button, &TbtnCoord::signalSetCoordText, &context, text);
    QObject::connect(&button, &TbtnCoord::signalSetDistanceText, &context, text);
    QObject::connect(&button, &TbtnCoord::signalPositionFormat, &context,
        [&](int t) { log << QStringLiteral("position %1").arg(t); });
    QObject::connect(&button, &TbtnCoord::signalDistanceFormat, &context,
        [&](int u) { log << QStringLiteral("distance %1").arg(u); });
    const auto actions = button.menu()->actions();
    for (const int row : rows) {
        if (row < 0)
            button.distanceFormat();
        else if (row >= actions.size())
            button.positionFormat(static_cast<E_DEGREE_FOARMAT>(row));
        else
            actions.at(row)->trigger();
    }
    for (const QAction* action : button.menu()->actions())
        if (action->isChecked()) log << "checked " + action->text();
    return log.join('|');
}

TEST(TbtnCoord, FormatsSignalValueThenTextDistancesTextThenUnitDisabledTextIsFaint)
{
    TbtnCoord button;
    const QString colons = QString::fromUtf8("度:分:秒(DDD:MM:SS)");
    EXPECT_EQ(run(button, {}), QString::fromUtf8("checked 十进制小数度(D)"));
    // The checked entry stays checked when chosen again.
    EXPECT_EQ(run(button, { 2, 2 }),
        QStringList({ "position 3", colons, "position 3", colons, "checked " + colons }).join('|'));
    EXPECT_EQ(run(button, { 3, -1 }), // no distance menu yet: distanceFormat() does nothing
        QString::fromUtf8("position 2|度°分ˊ秒〞(DDD°MMˊSS〞)|checked 度°分ˊ秒〞(DDD°MMˊSS〞)"));
    EXPECT_EQ(run(button, { 7 }), "position 7|"); // unknown: no text, nothing checked

    button.setDistanceFormat();
    EXPECT_EQ(run(button, { 2 }), QString::fromUtf8("丈|distance 2|checked 丈"));
    EXPECT_EQ(
        run(button, { 1, -1 }), QString::fromUtf8("公里|distance 1|米|distance 0|checked 米"));

    for (const bool enabled : { false, true }) {
        button.SetEnabled(enabled);
        button.ensurePolished();
        EXPECT_EQ(button.palette().color(QPalette::ButtonText).alpha(), enabled ? 255 : 100);
    }
}

} // namespace
