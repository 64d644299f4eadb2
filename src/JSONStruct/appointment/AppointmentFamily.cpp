// Factory hook of the appointment records.

#include <JSONStruct/Core/RecordFactory.h>
#include <JSONStruct/appointment/AppointmentDeleteNotifyData.h>

namespace protocol {
namespace families {

void register_appointment(RecordRegistrar &registrar)
{
    // Notification bodies this component interprets replace the generic record.
    registrar.notification<AppointmentDeleteNotifyData>("appointmentDeleted");
}

} // namespace families
} // namespace protocol
