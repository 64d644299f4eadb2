#pragma once

#include <CommunicationLayer/CommunicationLayerExport.h>

namespace protocol {
class OperatorPermissionData;
} // namespace protocol

namespace commlayer {

/// The current operator and their function permissions; answered by the host.
/// Blocking; see CommunicationLayerInit.h.
class COMMUNICATIONLAYER_EXPORT COperatorComm
{
public:
    static bool getPermissions(protocol::OperatorPermissionData &permissions);
};

} // namespace commlayer
