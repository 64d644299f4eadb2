#include <JSONStruct/framework_services/DoorNode.h>

namespace protocol {

const DoorNode::FieldList &DoorNode::fields()
{
    static const FieldList list{
        field<&Self::guid>("guid"),
        field<&Self::name>("name"),
        field<&Self::deviceGuid>("deviceGuid"),
        field<&Self::doorNo>("doorNo"),
        field<&Self::groupGuid>("groupGuid"),
        field<&Self::online>("online"),
    };
    return list;
}

} // namespace protocol
