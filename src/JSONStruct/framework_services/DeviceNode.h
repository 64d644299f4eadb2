#pragma once
// One device with its type number (e.g. 108, 109, 102 for access controllers) and online state.

#include <JSONStruct/ProtocolExport.h>

#include <JSONStruct/Core/IReturnData.h>
#include <JSONStruct/Core/JSONRecord.h>

#include <cstdint>
#include <string>
#include <vector>

namespace protocol {

class DeviceNode : public JSONRecord<DeviceNode, IReturnData>
{
public:
    explicit DeviceNode(const cJSON *node = nullptr) { fromJSON(node); }
    PROTOCOL_EXPORT static const FieldList &fields();

    std::string guid;
    std::string name;
    std::int32_t type = 0;
    std::string ip;
    std::int32_t port = 0;
    bool online = false;
    std::string serialNo;
};

} // namespace protocol
