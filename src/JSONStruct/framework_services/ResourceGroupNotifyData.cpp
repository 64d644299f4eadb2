#include <JSONStruct/framework_services/ResourceGroupNotifyData.h>

namespace protocol {

const ResourceGroupNotifyData::FieldList &ResourceGroupNotifyData::fields()
{
    static const FieldList list{
        field<&Self::guid>("guid"),
        field<&Self::name_>("name"),
        field<&Self::sequence>("sequence"),
    };
    return list;
}

} // namespace protocol
