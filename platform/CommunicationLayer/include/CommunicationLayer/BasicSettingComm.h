#pragma once

#include <CommunicationLayer/CommunicationLayerExport.h>

namespace protocol {
class QueryBasicSettingResult;
class BasicSetting;
} // namespace protocol

namespace commlayer {

/// The visitor parameters stored on the server. Blocking; see CommunicationLayerInit.h.
class COMMUNICATIONLAYER_EXPORT BasicSettingComm
{
public:
    static bool getConfig(protocol::QueryBasicSettingResult &result);
    static bool setConfig(const protocol::BasicSetting &setting);
};

} // namespace commlayer
