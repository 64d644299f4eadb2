#include <JSONStruct/appointment/QueryAppointmentData.h>

namespace protocol {

const QueryAppointmentData::FieldList &QueryAppointmentData::fields()
{
    static const FieldList list{
        field<&Self::queryAppointment>("queryAppointment"),
    };
    return list;
}

} // namespace protocol
