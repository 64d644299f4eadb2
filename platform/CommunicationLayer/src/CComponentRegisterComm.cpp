#include <CommunicationLayer/CComponentRegisterComm.h>

#include "BackendCall.h"

#include <JSONStruct/Framework/ComponentRegisterInfo.h>

namespace commlayer {

using protocol::routes::RouteId;

bool CComponentRegisterComm::request(const protocol::ComponentRegisterInfo &info)
{
    return detail::call(RouteId::RegisterComponent, &info, nullptr);
}

} // namespace commlayer
