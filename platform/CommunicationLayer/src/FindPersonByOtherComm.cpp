#include <CommunicationLayer/FindPersonByOtherComm.h>

#include "BackendCall.h"

#include <JSONStruct/personnel/QueryPerson.h>
#include <JSONStruct/personnel/TotalData.h>

namespace commlayer {

using protocol::routes::RouteId;

bool FindPersonByOtherComm::request(protocol::personnelcommon::TotalData &result,
                                    const protocol::personnelcommon::QueryPerson &param,
                                    const std::string &query)
{
    return detail::call(RouteId::FindPersonByOther, &param, &result, std::string(), query);
}

} // namespace commlayer
