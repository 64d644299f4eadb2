#pragma once
// Every organisation, parents before their children.

#include <JSONStruct/ProtocolExport.h>

#include <JSONStruct/Core/IReturnData.h>
#include <JSONStruct/Core/JSONRecord.h>
#include <JSONStruct/framework_services/OrganizationNode.h>

#include <cstdint>
#include <string>
#include <vector>

namespace protocol {

class OrganizationTreeData : public JSONRecord<OrganizationTreeData, IReturnData>
{
public:
    explicit OrganizationTreeData(const cJSON *node = nullptr) { fromJSON(node); }
    PROTOCOL_EXPORT static const FieldList &fields();

    std::vector<OrganizationNode> organizationList;
};

} // namespace protocol
