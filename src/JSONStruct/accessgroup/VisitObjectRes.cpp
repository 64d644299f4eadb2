#include <JSONStruct/accessgroup/VisitObjectRes.h>

namespace protocol {

const VisitObjectRes::FieldList &VisitObjectRes::fields()
{
    static const FieldList list{
        field<&Self::deviceGuid>("deviceGuid"),     field<&Self::objectGuid>("objectGuid"),
        field<&Self::objGroupGuid>("objGroupGuid"), field<&Self::objectName>("objectName"),
        field<&Self::objectNo>("objectNo"),         field<&Self::objectType>("objectType"),
    };
    return list;
}

} // namespace protocol
