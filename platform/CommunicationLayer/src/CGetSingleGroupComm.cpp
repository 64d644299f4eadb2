#include <CommunicationLayer/CGetSingleGroupComm.h>

#include "BackendCall.h"

#include <JSONStruct/accessgroup/Group.h>
#include <JSONStruct/accessgroup/QueryGroupCondition.h>

namespace commlayer {

using protocol::routes::RouteId;

bool CGetSingleGroupComm::request(protocol::Group &group, const std::string &groupId,
                                  const protocol::QueryGroupCondition &condition)
{
    return detail::call(RouteId::GetSingleGroup, &condition, &group, groupId);
}

} // namespace commlayer
