#include <JSONStruct/framework_services/DeviceNode.h>

namespace protocol {

const DeviceNode::FieldList &DeviceNode::fields()
{
    static const FieldList list{
        field<&Self::guid>("guid"),         field<&Self::name>("name"),
        field<&Self::type>("type"),         field<&Self::ip>("ip"),
        field<&Self::port>("port"),         field<&Self::online>("online"),
        field<&Self::serialNo>("serialNo"),
    };
    return list;
}

} // namespace protocol
