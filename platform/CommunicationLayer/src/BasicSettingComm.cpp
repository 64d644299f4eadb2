#include <CommunicationLayer/BasicSettingComm.h>

#include "BackendCall.h"

#include <JSONStruct/settings/BasicSetting.h>
#include <JSONStruct/settings/QueryBasicSettingResult.h>

namespace commlayer {

using protocol::routes::RouteId;

bool BasicSettingComm::getConfig(protocol::QueryBasicSettingResult &result)
{
    return detail::call(RouteId::GetBasicSetting, nullptr, &result);
}

bool BasicSettingComm::setConfig(const protocol::BasicSetting &setting)
{
    return detail::call(RouteId::SetBasicSetting, &setting, nullptr);
}

} // namespace commlayer
