#include <JSONStruct/accessgroup/ObjectModify.h>

namespace protocol {

const ObjectModify::FieldList &ObjectModify::fields()
{
    static const FieldList list{
        field<&Self::deviceGuid>("deviceGuid"),     field<&Self::objectGuid>("objectGuid"),
        field<&Self::objGroupGuid>("objGroupGuid"), field<&Self::objectName>("objectName"),
        field<&Self::objectNo>("objectNo"),         field<&Self::objectType>("objectType"),
    };
    return list;
}

} // namespace protocol
