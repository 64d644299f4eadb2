#include <CommunicationLayer/COperatorComm.h>

#include "BackendCall.h"

#include <JSONStruct/framework_services/OperatorPermissionData.h>

namespace commlayer {

using protocol::routes::RouteId;

bool COperatorComm::getPermissions(protocol::OperatorPermissionData &permissions)
{
    return detail::call(RouteId::GetOperatorPermissions, nullptr, &permissions);
}

} // namespace commlayer
