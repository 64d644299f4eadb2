#pragma once
// Request of a delete: the ids of the appointments to remove.

#include <JSONStruct/ProtocolExport.h>

#include <JSONStruct/Core/IInboundData.h>
#include <JSONStruct/Core/JSONRecord.h>

#include <cstdint>
#include <string>
#include <vector>

namespace protocol {

class DeleteAppointment : public JSONRecord<DeleteAppointment, IInboundData>
{
public:
    explicit DeleteAppointment(const cJSON *node = nullptr) { fromJSON(node); }
    const char *name() const override { return "deleteAppointment"; }
    PROTOCOL_EXPORT static const FieldList &fields();

    std::vector<std::string> appointmentIDList;
};

} // namespace protocol
