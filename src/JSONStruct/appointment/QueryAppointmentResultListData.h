#pragma once
// Wrapper of an appointment page.

#include <JSONStruct/ProtocolExport.h>

#include <JSONStruct/Core/IReturnData.h>
#include <JSONStruct/Core/JSONRecord.h>
#include <JSONStruct/appointment/QueryAppointmentResultList.h>

#include <cstdint>
#include <string>

namespace protocol {

class QueryAppointmentResultListData
    : public JSONRecord<QueryAppointmentResultListData, IReturnData>
{
public:
    explicit QueryAppointmentResultListData(const cJSON *node = nullptr) { fromJSON(node); }
    PROTOCOL_EXPORT static const FieldList &fields();

    QueryAppointmentResultList queryAppointmentResultList;
};

} // namespace protocol
