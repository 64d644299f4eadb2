#include <JSONStruct/appointment/DeleteAppointment.h>

namespace protocol {

const DeleteAppointment::FieldList &DeleteAppointment::fields()
{
    static const FieldList list{
        field<&Self::appointmentIDList>("appointmentIDList"),
    };
    return list;
}

} // namespace protocol
