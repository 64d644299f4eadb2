#include <CommunicationLayer/CTemplateComm.h>

#include "BackendCall.h"

#include <JSONStruct/device/TemplateTest.h>
#include <JSONStruct/device/TemplateTestRspData.h>

namespace commlayer {

using protocol::routes::RouteId;

bool CTemplateComm::request(protocol::TemplateTestRspData &result,
                            const protocol::TemplateTest &param)
{
    return detail::call(RouteId::TemplateTest, &param, &result);
}

} // namespace commlayer
