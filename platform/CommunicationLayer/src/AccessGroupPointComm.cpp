#include <CommunicationLayer/AccessGroupPointComm.h>

#include "BackendCall.h"

#include <JSONStruct/accessgroup/DeleteAccessPointGroupCondition.h>
#include <JSONStruct/accessgroup/DeleteAccessPointGroupResultData.h>
#include <JSONStruct/accessgroup/VisitAaccessGroupAddParam.h>
#include <JSONStruct/accessgroup/VisitAccessGroupAddedResult.h>
#include <JSONStruct/accessgroup/VisitAccessGroupModifyParam.h>
#include <JSONStruct/accessgroup/VisitAccessGroupModifyResultData.h>
#include <JSONStruct/accessgroup/VisitAccessGroupQueryResponseData.h>

namespace commlayer {

using protocol::routes::RouteId;

bool AccessGroupPointComm::getAccessGroups(protocol::VisitAccessGroupQueryResponseData &result)
{
    return detail::call(RouteId::GetAccessGroups, nullptr, &result);
}

bool AccessGroupPointComm::createAccessGroup(protocol::VisitAccessGroupAddedResult &result,
                                             const protocol::VisitAaccessGroupAddParam &param)
{
    return detail::call(RouteId::CreateAccessGroup, &param, &result);
}

bool AccessGroupPointComm::modifyAccessGroup(protocol::VisitAccessGroupModifyResultData &result,
                                             const protocol::VisitAccessGroupModifyParam &param,
                                             const std::string &groupId)
{
    return detail::call(RouteId::ModifyAccessGroup, &param, &result, groupId);
}

bool AccessGroupPointComm::removeAccessGroup(
    protocol::DeleteAccessPointGroupResultData &result,
    const protocol::DeleteAccessPointGroupCondition &condition)
{
    return detail::call(RouteId::RemoveAccessGroup, &condition, &result);
}

} // namespace commlayer
