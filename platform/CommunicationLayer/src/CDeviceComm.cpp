#include <CommunicationLayer/CDeviceComm.h>

#include "BackendCall.h"

#include <JSONStruct/framework_services/DeviceListData.h>
#include <JSONStruct/framework_services/QueryDeviceCondition.h>

namespace commlayer {

using protocol::routes::RouteId;

bool CDeviceComm::getDevices(protocol::DeviceListData &devices,
                             const protocol::QueryDeviceCondition &condition)
{
    return detail::call(RouteId::GetDevices, &condition, &devices);
}

} // namespace commlayer
