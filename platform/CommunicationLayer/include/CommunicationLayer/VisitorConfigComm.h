#pragma once

#include <CommunicationLayer/CommunicationLayerExport.h>

namespace protocol {
class VisitorRightConfigResultData;
class VisitorRightConfig;
} // namespace protocol

namespace commlayer {

/// Synchronisation of the visitor rights to the devices. Blocking; see
/// CommunicationLayerInit.h.
class COMMUNICATIONLAYER_EXPORT VisitorConfigComm
{
public:
    /// Per-device outcome in result.
    static bool setConfig(protocol::VisitorRightConfigResultData &result,
                          const protocol::VisitorRightConfig &config);
};

} // namespace commlayer
