#pragma once

#include "OvCoordSystem/OvGlobal.h"

#include <QString>

namespace vectors {

// One attribute field a writer stream creates on its layers.
struct OVCOORD_EXPORT WriterField
{
    QString name;
    // OGR field type: 0 integer, 2 real, 4 string, 12 64-bit integer.
    int type = 4;
    // Field width in characters; a negative width is created as 0 (the driver's default).
    int width = 50;
};

} // namespace vectors
