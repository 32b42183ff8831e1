#pragma once

#include "OvCoordSystem/OvPlatformGlobal.h"

#include <string>

// The host's user module: what the application knows about its user's services.
class OVPLATFORM_EXPORT IOvUserModule
{
public:
    virtual ~IOvUserModule() = default;
    // Base address of the range-sharing web service ("http://host:port", no trailing "/"), in
    // GB18030; empty when none is configured.
    virtual std::string GetServiceAddress() = 0;
};

// The process-wide user module. Its service address is the environment variable
// OV_SHARE_SERVICE when set, else key "ServiceAddress" of section "UserModule" in ConfigIni.
OVPLATFORM_EXPORT IOvUserModule* GetOrCreateOvUserModule();
