#pragma once
// Answer of a delete, one element per requested id.

#include <JSONStruct/ProtocolExport.h>

#include <JSONStruct/Core/IReturnData.h>
#include <JSONStruct/Core/JSONRecord.h>
#include <JSONStruct/appointment/DeleteAppointmentRe.h>

#include <cstdint>
#include <string>
#include <vector>

namespace protocol {

class DeleteAppointmentResultData : public JSONRecord<DeleteAppointmentResultData, IReturnData>
{
public:
    explicit DeleteAppointmentResultData(const cJSON *node = nullptr) { fromJSON(node); }
    PROTOCOL_EXPORT static const FieldList &fields();

    std::vector<DeleteAppointmentRe> deleteAppointmentResult;
};

} // namespace protocol
