#include <JSONStruct/framework_services/SubscribeInfo.h>

namespace protocol {

const SubscribeInfo::FieldList &SubscribeInfo::fields()
{
    static const FieldList list{
        field<&Self::typeList>("typeList"),
    };
    return list;
}

} // namespace protocol
