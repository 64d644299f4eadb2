#include <JSONStruct/settings/VisitReason.h>

namespace protocol {

const VisitReason::FieldList &VisitReason::fields()
{
    static const FieldList list{
        field<&Self::visitReasonGuid>("visitReasonGuid"),
        field<&Self::Name>("Name"),
    };
    return list;
}

} // namespace protocol
