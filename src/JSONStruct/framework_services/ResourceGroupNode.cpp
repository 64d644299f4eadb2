#include <JSONStruct/framework_services/ResourceGroupNode.h>

namespace protocol {

const ResourceGroupNode::FieldList &ResourceGroupNode::fields()
{
    static const FieldList list{
        field<&Self::guid>("guid"),
        field<&Self::name>("name"),
        field<&Self::sequence>("sequence"),
        field<&Self::doorList>("doorList"),
    };
    return list;
}

} // namespace protocol
