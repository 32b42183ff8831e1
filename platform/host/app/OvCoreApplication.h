#pragma once

#include "OvCoordSystem/OvPlatformGlobal.h"

#include <string>

// The host application's folders. Each is returned in the local 8-bit encoding and ends in "/",
// because callers append file names directly; each is created when first asked for.
// The environment variables OV_DATA_DIR, OV_SAVE_DIR and OV_CONFIG_DIR replace the defaults, so
// that tests and the demo run on folders of their own.
class OVPLATFORM_EXPORT COvCoreApplication
{
public:
    static COvCoreApplication* GetInstance();

    // Data shipped with or fetched by the application (default: the per-user data location).
    std::string GetDataDir() const;
    // Where the application proposes to save files (default: the user's documents folder).
    std::string GetDefaultSaveDir() const;
    // Where configuration files live (default: the per-user configuration location).
    std::string GetConfigDir() const;

private:
    COvCoreApplication() = default;
};
