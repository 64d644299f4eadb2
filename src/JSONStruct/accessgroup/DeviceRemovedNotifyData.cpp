#include <JSONStruct/accessgroup/DeviceRemovedNotifyData.h>

namespace protocol {

const DeviceRemovedNotifyData::FieldList &DeviceRemovedNotifyData::fields()
{
    static const FieldList list{
        field<&Self::guid>("guid"),
    };
    return list;
}

} // namespace protocol
