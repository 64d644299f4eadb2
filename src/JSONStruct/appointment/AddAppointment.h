#pragma once
// Request of an add: the form sends one appointment, the import every row of its file.

#include <JSONStruct/ProtocolExport.h>

#include <JSONStruct/Core/IInboundData.h>
#include <JSONStruct/Core/JSONRecord.h>
#include <JSONStruct/appointment/Appointment.h>

#include <cstdint>
#include <string>
#include <vector>

namespace protocol {

class AddAppointment : public JSONRecord<AddAppointment, IInboundData>
{
public:
    explicit AddAppointment(const cJSON *node = nullptr) { fromJSON(node); }
    const char *name() const override { return "addAppointment"; }
    PROTOCOL_EXPORT static const FieldList &fields();

    std::vector<Appointment> appointmentList;
};

} // namespace protocol
