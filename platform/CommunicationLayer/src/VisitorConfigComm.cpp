#include <CommunicationLayer/VisitorConfigComm.h>

#include "BackendCall.h"

#include <JSONStruct/accessgroup/VisitorRightConfig.h>
#include <JSONStruct/accessgroup/VisitorRightConfigResultData.h>

namespace commlayer {

using protocol::routes::RouteId;

bool VisitorConfigComm::setConfig(protocol::VisitorRightConfigResultData &result,
                                  const protocol::VisitorRightConfig &config)
{
    return detail::call(RouteId::SetVisitorRightConfig, &config, &result);
}

} // namespace commlayer
