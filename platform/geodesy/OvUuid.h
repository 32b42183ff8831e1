#pragma once

#include "OvCoordSystem/OvPlatformGlobal.h"

#include <string>

// A fresh random UUID as text (36 characters, lower-case hexadecimal, no braces): the names under
// which the toolkit's factory keeps references made on request.
OVPLATFORM_EXPORT std::string OvCreateUUID();
