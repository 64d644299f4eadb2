#include <JSONStruct/framework_services/DeviceListData.h>

namespace protocol {

const DeviceListData::FieldList &DeviceListData::fields()
{
    static const FieldList list{
        field<&Self::deviceList>("deviceList"),
    };
    return list;
}

} // namespace protocol
