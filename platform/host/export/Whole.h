#pragma once

#include "OvCoordSystem/OvPlatformGlobal.h"

// Process-wide switches of the host application.
class OVPLATFORM_EXPORT Whole
{
public:
    // True when the host ships its help pages, so dialogs show their help links.
    static bool m_bIsHaveHelp;
};
