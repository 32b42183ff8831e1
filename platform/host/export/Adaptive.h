#pragma once

#include "OvCoordSystem/OvPlatformGlobal.h"

// The host's scaling of fixed dialog sizes to its font size.
class OVPLATFORM_EXPORT CAdaptive
{
public:
    // Factor applied to sizes laid out for the default font (1 at the default font).
    static double m_fontScale;
};
