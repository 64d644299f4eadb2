#include <JSONStruct/framework_services/DeviceNotifyData.h>

namespace protocol {

const DeviceNotifyData::FieldList &DeviceNotifyData::fields()
{
    static const FieldList list{
        field<&Self::guid>("guid"), field<&Self::name_>("name"), field<&Self::type>("type"),
        field<&Self::ip>("ip"),     field<&Self::port>("port"),  field<&Self::online>("online"),
    };
    return list;
}

} // namespace protocol
