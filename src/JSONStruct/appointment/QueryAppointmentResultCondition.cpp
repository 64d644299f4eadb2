#include <JSONStruct/appointment/QueryAppointmentResultCondition.h>

namespace protocol {

const QueryAppointmentResultCondition::FieldList &QueryAppointmentResultCondition::fields()
{
    static const FieldList list{
        field<&Self::pageSize>("pageSize"),
        field<&Self::pageNo>("pageNo"),
    };
    return list;
}

} // namespace protocol
