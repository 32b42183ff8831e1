#include "OvCoordSystem/host/events/StateEventObject.h"
#include "OvCoordSystem/host/events/StateEventObserver.h"
#include "OvCoordSystem/host/events/StateEventSubject.h"
#include "OvCoordSystem/host/map/IOvMapModule.h"

#include <gtest/gtest.h>

#include <cmath>

TEST(MapView, ScreenWorldRoundTripIsExactAtEveryZoomAndLatitude)
{
    IOvMapModule* map = GetGlobalOvMapModule();
    for (int level : { 0, 3, 10, 18, 22 })
        for (double lat : { -85.0511287798066, -60.0, 0.0, 39.9, 85.0511287798066 }) {
            map->SetView(116.39, lat, level);
            for (int sx : { 0, 1, 399, 799 })
                for (int sy : { 0, 300, 599 }) {
                    double x = 0, y = 0;
                    map->ScreenToWorld(x, y, sx, sy);
                    int bx = -1, by = -1;
                    EXPECT_TRUE(map->WorldToScreen(bx, by, x, y));
                    EXPECT_EQ(bx, sx) << level << " " << lat;
                    EXPECT_EQ(by, sy) << level << " " << lat;
                }
        }
}
