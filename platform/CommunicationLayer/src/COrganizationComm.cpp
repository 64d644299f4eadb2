#include <CommunicationLayer/COrganizationComm.h>

#include "BackendCall.h"

#include <JSONStruct/framework_services/OrganizationTreeData.h>
#include <JSONStruct/framework_services/PersonListData.h>
#include <JSONStruct/framework_services/QueryOrgPersons.h>

namespace commlayer {

using protocol::routes::RouteId;

bool COrganizationComm::getOrganizationTree(protocol::OrganizationTreeData &tree)
{
    return detail::call(RouteId::GetOrganizationTree, nullptr, &tree);
}

bool COrganizationComm::getPersons(protocol::PersonListData &persons,
                                   const protocol::QueryOrgPersons &query)
{
    return detail::call(RouteId::GetPersons, &query, &persons);
}

} // namespace commlayer
