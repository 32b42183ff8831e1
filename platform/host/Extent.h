#pragma once

// A rectangle in map coordinates (degrees for longitude/latitude maps): two opposite corners,
// the first usually the minimum and the second the maximum.
struct EXTENT
{
    double dX1 = 0;
    double dY1 = 0;
    double dX2 = 0;
    double dY2 = 0;
};
