#pragma once
// Page request of the appointment list.

#include <JSONStruct/ProtocolExport.h>

#include <JSONStruct/Core/IInboundData.h>
#include <JSONStruct/Core/JSONRecord.h>

#include <cstdint>
#include <string>

namespace protocol {

class QueryAppointmentResultCondition
    : public JSONRecord<QueryAppointmentResultCondition, IInboundData>
{
public:
    explicit QueryAppointmentResultCondition(const cJSON *node = nullptr) { fromJSON(node); }
    const char *name() const override { return "queryAppointmentResultCondition"; }
    PROTOCOL_EXPORT static const FieldList &fields();

    std::int32_t pageSize = 0;
    std::int32_t pageNo = 0;
};

} // namespace protocol
