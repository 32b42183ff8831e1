#pragma once

#include "OvCoordSystem/OvPlatformGlobal.h"

// An item of the map view's scene, known to the graphics module by its id.
class OVPLATFORM_EXPORT IOvGraphicsItem
{
public:
    virtual ~IOvGraphicsItem();
    // Unique in the process and stable for the item's life; never 0.
    virtual int GetId() const = 0;
};
