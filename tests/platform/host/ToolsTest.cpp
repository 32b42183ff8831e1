#include "OvCoordSystem/host/Tools.h"
#include "OvCoordSystem/host/MapTypes.h"

#include <gtest/gtest.h>

TEST(MapTypes, UnknownTypes)
{
    for (int type : { -1, 17, 999, 1599, 1604, 100000 }) {
        SCOPED_TRACE(type);
        EXPECT_EQ(FindMapType(type), nullptr);
        EXPECT_FALSE(Tools::isWGS(type));
        EXPECT_FALSE(Tools::isBaidu(type));
        EXPECT_FALSE(Tools::isHaveLabel(type));
        EXPECT_EQ(Tools::getOffsetType(type, 0), 0);
        EXPECT_EQ(Tools::getOffsetType(type, 7), 7);
    }
}

TEST(Tools, SinglePointShifts)
{
    // From the npm package gcoord 1.0.7 (`npm install gcoord` in a temporary folder, run with
    // node): gcoord.transform([116.397128, 39.916527], WGS84, BD09).
    const QPointF bd = Tools::wgs84ToBd09ByPos(QPointF(116.397128, 39.916527), 20);
    EXPECT_NEAR(bd.x(), 116.40973933698186, 1e-11);
    EXPECT_NEAR(bd.y(), 39.924269294015090, 1e-11);
    // Back in one step: within a few metres.
    const QPointF back = Tools::bdToWGS84ByPoint(bd.x(), bd.y(), 20);
    EXPECT_NEAR(back.x(), 116.397128, 1e-4);
    EXPECT_NEAR(back.y(), 39.916527, 1e-4);

    // Outside the GCJ02 area only the BD09 step applies, both ways.
    const QPointF far = Tools::wgs84ToBd09ByPos(QPointF(10, 10), 20);
    EXPECT_NEAR(far.x(), 10.0065, 1e-4);
    EXPECT_NEAR(far.y(), 10.006, 1e-4);
    const QPointF farBack = Tools::bdToWGS84ByPoint(far.x(), far.y(), 20);
    EXPECT_NEAR(farBack.x(), 10, 1e-6);
    EXPECT_NEAR(farBack.y(), 10, 1e-6);
}
