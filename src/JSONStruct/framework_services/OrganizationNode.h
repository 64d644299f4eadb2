#pragma once
// One organisation of the framework's tree; parentGuid is empty for the root.

#include <JSONStruct/ProtocolExport.h>

#include <JSONStruct/Core/IReturnData.h>
#include <JSONStruct/Core/JSONRecord.h>

#include <cstdint>
#include <string>
#include <vector>

namespace protocol {

class OrganizationNode : public JSONRecord<OrganizationNode, IReturnData>
{
public:
    explicit OrganizationNode(const cJSON *node = nullptr) { fromJSON(node); }
    PROTOCOL_EXPORT static const FieldList &fields();

    std::string guid;
    std::string parentGuid;
    std::string name;
    std::string path;
    std::int32_t sequence = 0;
};

} // namespace protocol
