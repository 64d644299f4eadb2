#pragma once
// One resource group (area) with its doors.

#include <JSONStruct/ProtocolExport.h>

#include <JSONStruct/Core/IReturnData.h>
#include <JSONStruct/Core/JSONRecord.h>
#include <JSONStruct/framework_services/DoorNode.h>

#include <cstdint>
#include <string>
#include <vector>

namespace protocol {

class ResourceGroupNode : public JSONRecord<ResourceGroupNode, IReturnData>
{
public:
    explicit ResourceGroupNode(const cJSON *node = nullptr) { fromJSON(node); }
    PROTOCOL_EXPORT static const FieldList &fields();

    std::string guid;
    std::string name;
    std::int32_t sequence = 0;
    std::vector<DoorNode> doorList;
};

} // namespace protocol
