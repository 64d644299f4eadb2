#include <CommunicationLayer/CSubscribeComm.h>

#include "BackendCall.h"

#include <JSONStruct/framework_services/SubscribeInfo.h>

namespace commlayer {

using protocol::routes::RouteId;

bool CSubscribeComm::subscribe(const protocol::SubscribeInfo &info)
{
    return detail::call(RouteId::SubscribeNotifications, &info, nullptr);
}

} // namespace commlayer
