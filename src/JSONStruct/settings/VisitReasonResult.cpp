#include <JSONStruct/settings/VisitReasonResult.h>

namespace protocol {

const VisitReasonResult::FieldList &VisitReasonResult::fields()
{
    static const FieldList list{
        field<&Self::visitReasonGuid>("visitReasonGuid"),
        field<&Self::Name>("Name"),
    };
    return list;
}

} // namespace protocol
