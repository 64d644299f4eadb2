#include <JSONStruct/appointment/AddAppointment.h>

namespace protocol {

const AddAppointment::FieldList &AddAppointment::fields()
{
    static const FieldList list{
        field<&Self::appointmentList>("appointmentList"),
    };
    return list;
}

} // namespace protocol
