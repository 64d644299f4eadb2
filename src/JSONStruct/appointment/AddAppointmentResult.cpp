#include <JSONStruct/appointment/AddAppointmentResult.h>

namespace protocol {

const AddAppointmentResult::FieldList &AddAppointmentResult::fields()
{
    static const FieldList list{
        field<&Self::guid>("guid"),
        field<&Self::code>("code"),
        field<&Self::msg>("msg"),
    };
    return list;
}

} // namespace protocol
