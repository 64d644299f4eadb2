#include <JSONStruct/appointment/AddAppointmentResultListData.h>

namespace protocol {

const AddAppointmentResultListData::FieldList &AddAppointmentResultListData::fields()
{
    static const FieldList list{
        field<&Self::addAppointmentResultList>("addAppointmentResultList"),
    };
    return list;
}

} // namespace protocol
