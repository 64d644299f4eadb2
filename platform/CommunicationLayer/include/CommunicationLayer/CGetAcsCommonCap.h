#pragma once

#include <CommunicationLayer/CommunicationLayerExport.h>

#include <string>
#include <vector>

namespace protocol {
class CommonAcsAbility;
} // namespace protocol

namespace commlayer {

/// Access-control capabilities of one device. Blocking; see CommunicationLayerInit.h.
class COMMUNICATIONLAYER_EXPORT CGetAcsCommonCap
{
public:
    /// deviceId: the device's 32-digit GUID (or decimal number); abilities: the
    /// capability names asked for (empty: all).
    static bool request(protocol::CommonAcsAbility &ability, const std::string &deviceId,
                        const std::vector<std::string> &abilities);
};

} // namespace commlayer
