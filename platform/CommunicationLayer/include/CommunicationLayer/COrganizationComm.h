#pragma once

#include <CommunicationLayer/CommunicationLayerExport.h>

namespace protocol {
class OrganizationTreeData;
class PersonListData;
class QueryOrgPersons;
} // namespace protocol

namespace commlayer {

/// The framework's organisation and person tree. Blocking; see CommunicationLayerInit.h.
class COMMUNICATIONLAYER_EXPORT COrganizationComm
{
public:
    static bool getOrganizationTree(protocol::OrganizationTreeData &tree);
    static bool getPersons(protocol::PersonListData &persons,
                           const protocol::QueryOrgPersons &query);
};

} // namespace commlayer
