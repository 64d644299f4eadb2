#include <JSONStruct/accessgroup/VisitAccessGroupModifyResult.h>

namespace protocol {

const VisitAccessGroupModifyResult::FieldList &VisitAccessGroupModifyResult::fields()
{
    static const FieldList list{
        field<&Self::name>("name"),
        field<&Self::accessGroupGuid>("accessGroupGuid"),
        field<&Self::code>("code "),
    };
    return list;
}

} // namespace protocol
