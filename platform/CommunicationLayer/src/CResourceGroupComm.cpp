#include <CommunicationLayer/CResourceGroupComm.h>

#include "BackendCall.h"

#include <JSONStruct/framework_services/ResourceGroupListData.h>

namespace commlayer {

using protocol::routes::RouteId;

bool CResourceGroupComm::getResourceGroups(protocol::ResourceGroupListData &groups)
{
    return detail::call(RouteId::GetResourceGroups, nullptr, &groups);
}

} // namespace commlayer
