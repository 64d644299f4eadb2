#pragma once
// One page of appointments; total counts the matches over all pages.

#include <JSONStruct/ProtocolExport.h>

#include <JSONStruct/Core/IReturnData.h>
#include <JSONStruct/Core/JSONRecord.h>
#include <JSONStruct/appointment/AppointmentResult.h>

#include <cstdint>
#include <string>
#include <vector>

namespace protocol {

class QueryAppointmentResultList : public JSONRecord<QueryAppointmentResultList, IReturnData>
{
public:
    explicit QueryAppointmentResultList(const cJSON *node = nullptr) { fromJSON(node); }
    PROTOCOL_EXPORT static const FieldList &fields();

    std::int32_t total = 0;
    std::int32_t pageNo = 0;
    std::int32_t pageSize = 0;
    std::vector<AppointmentResult> appointmentResultList;
};

} // namespace protocol
