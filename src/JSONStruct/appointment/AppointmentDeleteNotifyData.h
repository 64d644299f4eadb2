#pragma once
// Body of the "appointmentDeleted" notification: the reservation code of the removed
// appointment.

#include <JSONStruct/ProtocolExport.h>

#include <JSONStruct/Core/IWebsocketData.h>
#include <JSONStruct/Core/JSONRecord.h>

#include <cstdint>
#include <string>

namespace protocol {

class AppointmentDeleteNotifyData : public JSONRecord<AppointmentDeleteNotifyData, IWebsocketData>
{
public:
    explicit AppointmentDeleteNotifyData(const cJSON *node = nullptr) { fromJSON(node); }
    const char *name() const override { return "appointmentDeleted"; }
    PROTOCOL_EXPORT static const FieldList &fields();

    std::string authCode;
};

} // namespace protocol
