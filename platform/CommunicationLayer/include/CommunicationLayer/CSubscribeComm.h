#pragma once

#include <CommunicationLayer/CommunicationLayerExport.h>

namespace protocol {
class SubscribeInfo;
} // namespace protocol

namespace commlayer {

/// Tells the host which notification types to forward to this component (the list
/// replaces earlier ones). Blocking; see CommunicationLayerInit.h.
class COMMUNICATIONLAYER_EXPORT CSubscribeComm
{
public:
    static bool subscribe(const protocol::SubscribeInfo &info);
};

} // namespace commlayer
