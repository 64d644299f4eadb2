#include <JSONStruct/appointment/QueryAppointmentResultList.h>

namespace protocol {

const QueryAppointmentResultList::FieldList &QueryAppointmentResultList::fields()
{
    static const FieldList list{
        field<&Self::total>("total"),
        field<&Self::pageNo>("pageNo"),
        field<&Self::pageSize>("pageSize"),
        field<&Self::appointmentResultList>("appointmentResultList"),
    };
    return list;
}

} // namespace protocol
