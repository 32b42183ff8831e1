#pragma once

#include "OvCoordSystem/OvPlatformGlobal.h"

#include <string>

// A layer of the host's map view, found by its name (IOvMapModule::GetMapLayer).
class OVPLATFORM_EXPORT IOvMapLayer
{
public:
    virtual ~IOvMapLayer();
    virtual std::string GetName() const = 0;
    virtual void SetVisible(bool visible) = 0;
    virtual bool IsVisible() const = 0;
};
