#pragma once
// The devices that matched a device query.

#include <JSONStruct/ProtocolExport.h>

#include <JSONStruct/Core/IReturnData.h>
#include <JSONStruct/Core/JSONRecord.h>
#include <JSONStruct/framework_services/DeviceNode.h>

#include <cstdint>
#include <string>
#include <vector>

namespace protocol {

class DeviceListData : public JSONRecord<DeviceListData, IReturnData>
{
public:
    explicit DeviceListData(const cJSON *node = nullptr) { fromJSON(node); }
    PROTOCOL_EXPORT static const FieldList &fields();

    std::vector<DeviceNode> deviceList;
};

} // namespace protocol
