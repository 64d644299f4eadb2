#include <JSONStruct/accessgroup/VisitAccessGroupAddedResult.h>

namespace protocol {

const VisitAccessGroupAddedResult::FieldList &VisitAccessGroupAddedResult::fields()
{
    static const FieldList list{
        field<&Self::name>("name"),
        field<&Self::accessGroupGuid>("accessGroupGuid"),
        field<&Self::code>("code"),
    };
    return list;
}

} // namespace protocol
