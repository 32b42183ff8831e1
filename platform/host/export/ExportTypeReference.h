#pragma once

#include "OvCoordSystem/OvPlatformGlobal.h"
#include "OvCoordSystem/host/export/ExportTypes.h"

#include <string>

// The name under which the host's saver for TYPE is registered; empty for a layout without one.
OVPLATFORM_EXPORT std::string GetExportTypeReference(EXPORTTYPE type);
