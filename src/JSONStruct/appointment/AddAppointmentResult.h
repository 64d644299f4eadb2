#pragma once
// Outcome of one added appointment: its new id and reservation code.

#include <JSONStruct/ProtocolExport.h>

#include <JSONStruct/Core/IReturnData.h>
#include <JSONStruct/Core/JSONRecord.h>

#include <cstdint>
#include <string>

namespace protocol {

class AddAppointmentResult : public JSONRecord<AddAppointmentResult, IReturnData>
{
public:
    explicit AddAppointmentResult(const cJSON *node = nullptr) { fromJSON(node); }
    PROTOCOL_EXPORT static const FieldList &fields();

    std::string guid;
    std::string code;
    std::string msg;
};

} // namespace protocol
