#pragma once
// Devices of the listed device types (empty list: every device).

#include <JSONStruct/ProtocolExport.h>

#include <JSONStruct/Core/IInboundData.h>
#include <JSONStruct/Core/JSONRecord.h>

#include <cstdint>
#include <string>
#include <vector>

namespace protocol {

class QueryDeviceCondition : public JSONRecord<QueryDeviceCondition, IInboundData>
{
public:
    explicit QueryDeviceCondition(const cJSON *node = nullptr) { fromJSON(node); }
    const char *name() const override { return "queryDeviceCondition"; }
    PROTOCOL_EXPORT static const FieldList &fields();

    std::vector<std::int32_t> deviceTypeList;
};

} // namespace protocol
