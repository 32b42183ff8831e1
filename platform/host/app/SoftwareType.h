#pragma once

#include "OvCoordSystem/OvPlatformGlobal.h"

// Editions of the host application. The plain edition draws every widget with the platform's
// own style: widgets leave their style sheets unset there.
enum E_QUARRY_SOFTWARE_TYPE : int
{
    QUARRY_SOFTWARE_STANDARD = 0,
    QUARRY_SOFTWARE_PLAIN = 3
};

// The edition this process runs as; QUARRY_SOFTWARE_STANDARD unless the host sets it.
extern OVPLATFORM_EXPORT E_QUARRY_SOFTWARE_TYPE G_N_QUARRY_SOFTWARE_TYPE;
