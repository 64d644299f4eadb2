#include <JSONStruct/visitorrecord/VisitGroup.h>

namespace protocol {

const VisitGroup::FieldList &VisitGroup::fields()
{
    static const FieldList list{
        field<&Self::visitGroupGuid>("visitGroupGuid"),
        field<&Self::visitGroupName>("visitGroupName"),
    };
    return list;
}

} // namespace protocol
