#pragma once

#include <CommunicationLayer/CommunicationLayerExport.h>

#include <string>

namespace protocol {
class Group;
class QueryGroupCondition;
} // namespace protocol

namespace commlayer {

/// One resource group (area) by identifier. Blocking; see CommunicationLayerInit.h.
class COMMUNICATIONLAYER_EXPORT CGetSingleGroupComm
{
public:
    /// groupId: the resource group's 32-digit GUID (or decimal number).
    static bool request(protocol::Group &group, const std::string &groupId,
                        const protocol::QueryGroupCondition &condition);
};

} // namespace commlayer
