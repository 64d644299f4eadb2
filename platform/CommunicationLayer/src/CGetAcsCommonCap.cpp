#include <CommunicationLayer/CGetAcsCommonCap.h>

#include "BackendCall.h"

#include <JSONStruct/device/CommonAcsAbility.h>
#include <JSONStruct/framework_services/AcsAbilityQuery.h>

namespace commlayer {

using protocol::routes::RouteId;

bool CGetAcsCommonCap::request(protocol::CommonAcsAbility &ability, const std::string &deviceId,
                               const std::vector<std::string> &abilities)
{
    protocol::AcsAbilityQuery query;
    query.abilityList = abilities;
    return detail::call(RouteId::GetAcsCommonCap, &query, &ability, deviceId);
}

} // namespace commlayer
