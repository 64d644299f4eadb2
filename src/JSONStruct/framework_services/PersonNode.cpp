#include <JSONStruct/framework_services/PersonNode.h>

namespace protocol {

const PersonNode::FieldList &PersonNode::fields()
{
    static const FieldList list{
        field<&Self::guid>("guid"),       field<&Self::orgGuid>("orgGuid"),
        field<&Self::name>("name"),       field<&Self::gender>("gender"),
        field<&Self::phone>("phone"),     field<&Self::sn>("sn"),
        field<&Self::orgPath>("orgPath"),
    };
    return list;
}

} // namespace protocol
