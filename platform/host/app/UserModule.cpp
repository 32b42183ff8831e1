#include "OvCoordSystem/host/app/UserModule.h"

#include "OvCoordSystem/host/app/ConfigIni.h"
#include "OvCoordSystem/host/app/TextConvert.h"

namespace {

class UserModule : public IOvUserModule
{
public:
    std::string GetServiceAddress() override
    {
        QString address = qEnvironmentVariable("OV_SHARE_SERVICE");
        if (address.isEmpty())
            address = ConfigIni::getConfig(
                QStringLiteral("UserModule"), QStringLiteral("ServiceAddress"))
                          .toString();
        while (address.endsWith(QLatin1Char('/')))
            address.chop(1);
        return ConvertQStringToStdString(address.trimmed(), "GB18030");
    }
};

} // namespace

IOvUserModule* GetOrCreateOvUserModule()
{
    static UserModule module;
    return &module;
}
