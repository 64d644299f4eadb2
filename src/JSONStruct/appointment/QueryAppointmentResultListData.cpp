#include <JSONStruct/appointment/QueryAppointmentResultListData.h>

namespace protocol {

const QueryAppointmentResultListData::FieldList &QueryAppointmentResultListData::fields()
{
    static const FieldList list{
        field<&Self::queryAppointmentResultList>("queryAppointmentResultList"),
    };
    return list;
}

} // namespace protocol
