#pragma once

#include <CommunicationLayer/CommunicationLayerExport.h>

namespace protocol {
class ComponentRegisterInfo;
} // namespace protocol

namespace commlayer {

/// Announces the URLs and LPC methods the component serves; answered by the host.
/// Blocking; see CommunicationLayerInit.h.
class COMMUNICATIONLAYER_EXPORT CComponentRegisterComm
{
public:
    static bool request(const protocol::ComponentRegisterInfo &info);
};

} // namespace commlayer
