#pragma once

#include <CommunicationLayer/CommunicationLayerExport.h>

#include <string>

namespace protocol {
class VisitAccessGroupQueryResponseData;
class VisitAccessGroupAddedResult;
class VisitAaccessGroupAddParam;
class VisitAccessGroupModifyResultData;
class VisitAccessGroupModifyParam;
class DeleteAccessPointGroupResultData;
class DeleteAccessPointGroupCondition;
} // namespace protocol

namespace commlayer {

/// Visitor access-point groups. Blocking; see CommunicationLayerInit.h.
class COMMUNICATIONLAYER_EXPORT AccessGroupPointComm
{
public:
    static bool getAccessGroups(protocol::VisitAccessGroupQueryResponseData &result);
    static bool createAccessGroup(protocol::VisitAccessGroupAddedResult &result,
                                  const protocol::VisitAaccessGroupAddParam &param);
    /// groupId: the group's 32-digit GUID (or decimal number).
    static bool modifyAccessGroup(protocol::VisitAccessGroupModifyResultData &result,
                                  const protocol::VisitAccessGroupModifyParam &param,
                                  const std::string &groupId);
    /// Per-group outcome in result ("0-0" deleted, another code when in use).
    static bool removeAccessGroup(protocol::DeleteAccessPointGroupResultData &result,
                                  const protocol::DeleteAccessPointGroupCondition &condition);
};

} // namespace commlayer
