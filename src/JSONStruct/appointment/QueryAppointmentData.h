#pragma once
// Wrapper of a single-appointment answer.

#include <JSONStruct/ProtocolExport.h>

#include <JSONStruct/Core/IReturnData.h>
#include <JSONStruct/Core/JSONRecord.h>
#include <JSONStruct/appointment/QueryAppointment.h>

#include <cstdint>
#include <string>

namespace protocol {

class QueryAppointmentData : public JSONRecord<QueryAppointmentData, IReturnData>
{
public:
    explicit QueryAppointmentData(const cJSON *node = nullptr) { fromJSON(node); }
    PROTOCOL_EXPORT static const FieldList &fields();

    QueryAppointment queryAppointment;
};

} // namespace protocol
