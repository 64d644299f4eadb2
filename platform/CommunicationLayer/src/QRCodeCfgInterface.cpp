#include <CommunicationLayer/QRCodeCfgInterface.h>

#include "BackendCall.h"

#include <JSONStruct/device/QRCodeEncryptionCfg.h>

namespace commlayer {

using protocol::routes::RouteId;

namespace cfginterface {

bool setQRCodeEncryptionCfg(const std::string &deviceId,
                            const protocol::QRCodeEncryptionCfg &config)
{
    return detail::call(RouteId::SetQRCodeEncryptionCfg, &config, nullptr, deviceId);
}

} // namespace cfginterface

} // namespace commlayer
