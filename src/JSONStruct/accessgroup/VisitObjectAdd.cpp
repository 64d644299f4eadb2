#include <JSONStruct/accessgroup/VisitObjectAdd.h>

namespace protocol {

const VisitObjectAdd::FieldList &VisitObjectAdd::fields()
{
    static const FieldList list{
        field<&Self::deviceGuid>("deviceGuid"),     field<&Self::objectGuid>("objectGuid"),
        field<&Self::objGroupGuid>("objGroupGuid"), field<&Self::objectName>("objectName"),
        field<&Self::objectNo>("objectNo"),         field<&Self::objectType>("objectType"),
    };
    return list;
}

} // namespace protocol
