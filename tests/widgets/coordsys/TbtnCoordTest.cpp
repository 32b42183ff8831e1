#include "OvCoordSystem/widgets/coordsys/TbtnCoord.h"

#include "CoordSysTestSupport.h"

#include <QAction>
#include <QMenu>

#include <gtest/gtest.h>

namespace {

// Every emission of the button, in order, and the entries checked after it.
struct Recorder
{
    explicit Recorder(TbtnCoord& b)
        : button(b)
    {
        QObject::connect(&b, &TbtnCoord::signalPositionFormat,
            [this](int t) { log << QStringLiteral("position %1").arg(t); });
        QObject::connect(&b, &TbtnCoord::signalDistanceFormat,
            [this](int u) { log << QStringLiteral("distance %1").arg(u); });
        QObject::connect(&b, &TbtnCoord::signalSetCoordText, [this](QString t) { log << t; });
        QObject::connect(&b, &TbtnCoord::signalSetDistanceText, [this](QString t) { log << t; });
    }
    QStringList take()
    {
        for (const QAction* action : button.menu()->actions())
            if (action->isChecked()) log << "checked " + action->text();
        return std::exchange(log, QStringList());
    }
    void trigger(int row) { button.menu()->actions().at(row)->trigger(); }

    TbtnCoord& button;
    QStringList log;
};

TEST(TbtnCoord, FormatMenuSignalsValueThenText)
{
    TbtnCoord button;
    Recorder r(button);
    EXPECT_EQ(r.take(), QStringList({ QString::fromUtf8("checked 十进制小数度(D)") }));
    const QString colons = QString::fromUtf8("度:分:秒(DDD:MM:SS)");
    r.trigger(2);
    EXPECT_EQ(r.take(), QStringList({ "position 3", colons, "checked " + colons }));
    r.trigger(2); // the checked entry stays checked
    EXPECT_EQ(r.take().last(), "checked " + colons);
    r.trigger(3);
    EXPECT_EQ(r.take().first(), "position 2");
    button.positionFormat(static_cast<E_DEGREE_FOARMAT>(7));
    EXPECT_EQ(r.take(), QStringList({ "position 7", "" }));
    EXPECT_EQ(button.getCurrDmsType(), 7);
}

TEST(TbtnCoord, DistanceModeSignalsTextThenUnit)
{
    TbtnCoord button;
    Recorder r(button);
    r.take();
    button.distanceFormat(); // not in distance mode yet: nothing
    button.setDistanceFormat();
    EXPECT_EQ(r.take(), QStringList({ QString::fromUtf8("checked 米") }));
    r.trigger(2);
    EXPECT_EQ(r.take(), QString::fromUtf8("丈|distance 2|checked 丈").split('|'));
    r.trigger(1);
    button.distanceFormat();
    EXPECT_EQ(r.take(), QString::fromUtf8("公里|distance 1|米|distance 0|checked 米").split('|'));
}

TEST(TbtnCoord, DisabledTextIsFaintAndTheMenuRenders)
{
    TbtnCoord button;
    button.setText(QStringLiteral("DMS"));
    for (const bool enabled : { false, true }) {
        button.SetEnabled(enabled);
        button.ensurePolished();
        EXPECT_EQ(button.isEnabled(), enabled);
        EXPECT_EQ(button.palette().color(QPalette::ButtonText).alpha(), enabled ? 255 : 100);
    }
    button.menu()->popup(QPoint(0, 0));
    coordsystest::checkScreenshot(button.menu(), QStringLiteral("TbtnCoord-menu"), 100, 60);
    button.menu()->hide();
}

} // namespace
