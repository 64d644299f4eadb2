#include <JSONStruct/framework_services/ResourceGroupListData.h>

namespace protocol {

const ResourceGroupListData::FieldList &ResourceGroupListData::fields()
{
    static const FieldList list{
        field<&Self::resourceGroupList>("resourceGroupList"),
    };
    return list;
}

} // namespace protocol
