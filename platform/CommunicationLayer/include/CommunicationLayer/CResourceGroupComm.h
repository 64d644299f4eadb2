#pragma once

#include <CommunicationLayer/CommunicationLayerExport.h>

namespace protocol {
class ResourceGroupListData;
} // namespace protocol

namespace commlayer {

/// The framework's resource groups (areas) with their doors. Blocking; see
/// CommunicationLayerInit.h.
class COMMUNICATIONLAYER_EXPORT CResourceGroupComm
{
public:
    static bool getResourceGroups(protocol::ResourceGroupListData &groups);
};

} // namespace commlayer
