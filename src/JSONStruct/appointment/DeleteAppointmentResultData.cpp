#include <JSONStruct/appointment/DeleteAppointmentResultData.h>

namespace protocol {

const DeleteAppointmentResultData::FieldList &DeleteAppointmentResultData::fields()
{
    static const FieldList list{
        field<&Self::deleteAppointmentResult>("deleteAppointmentResult"),
    };
    return list;
}

} // namespace protocol
