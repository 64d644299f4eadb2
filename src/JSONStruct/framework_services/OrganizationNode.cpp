#include <JSONStruct/framework_services/OrganizationNode.h>

namespace protocol {

const OrganizationNode::FieldList &OrganizationNode::fields()
{
    static const FieldList list{
        field<&Self::guid>("guid"),         field<&Self::parentGuid>("parentGuid"),
        field<&Self::name>("name"),         field<&Self::path>("path"),
        field<&Self::sequence>("sequence"),
    };
    return list;
}

} // namespace protocol
