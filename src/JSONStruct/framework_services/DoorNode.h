#pragma once
// One door (access-control point) of a resource group.

#include <JSONStruct/ProtocolExport.h>

#include <JSONStruct/Core/IReturnData.h>
#include <JSONStruct/Core/JSONRecord.h>

#include <cstdint>
#include <string>
#include <vector>

namespace protocol {

class DoorNode : public JSONRecord<DoorNode, IReturnData>
{
public:
    explicit DoorNode(const cJSON *node = nullptr) { fromJSON(node); }
    PROTOCOL_EXPORT static const FieldList &fields();

    std::string guid;
    std::string name;
    std::string deviceGuid;
    std::int32_t doorNo = 0;
    std::string groupGuid;
    bool online = false;
};

} // namespace protocol
