#pragma once
// Outcome of deleting one appointment.

#include <JSONStruct/ProtocolExport.h>

#include <JSONStruct/Core/IReturnData.h>
#include <JSONStruct/Core/JSONRecord.h>

#include <cstdint>
#include <string>

namespace protocol {

class DeleteAppointmentRe : public JSONRecord<DeleteAppointmentRe, IReturnData>
{
public:
    explicit DeleteAppointmentRe(const cJSON *node = nullptr) { fromJSON(node); }
    PROTOCOL_EXPORT static const FieldList &fields();

    std::string guid;
    std::int32_t result = 0;
};

} // namespace protocol
