#include <JSONStruct/appointment/AppointmentDeleteNotifyData.h>

namespace protocol {

const AppointmentDeleteNotifyData::FieldList &AppointmentDeleteNotifyData::fields()
{
    static const FieldList list{
        field<&Self::authCode>("authCode"),
    };
    return list;
}

} // namespace protocol
