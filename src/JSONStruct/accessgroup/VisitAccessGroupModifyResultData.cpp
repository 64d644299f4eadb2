#include <JSONStruct/accessgroup/VisitAccessGroupModifyResultData.h>

namespace protocol {

const VisitAccessGroupModifyResultData::FieldList &VisitAccessGroupModifyResultData::fields()
{
    static const FieldList list{
        field<&Self::visitAccessGroupModifyResult>("visitAccessGroupModifyResult"),
    };
    return list;
}

} // namespace protocol
