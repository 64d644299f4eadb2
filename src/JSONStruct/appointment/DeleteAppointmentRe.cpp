#include <JSONStruct/appointment/DeleteAppointmentRe.h>

namespace protocol {

const DeleteAppointmentRe::FieldList &DeleteAppointmentRe::fields()
{
    static const FieldList list{
        field<&Self::guid>("guid"),
        field<&Self::result>("result"),
    };
    return list;
}

} // namespace protocol
