#include <JSONStruct/accessgroup/VisitAccessGroupQueryResponseData.h>

namespace protocol {

const VisitAccessGroupQueryResponseData::FieldList &VisitAccessGroupQueryResponseData::fields()
{
    static const FieldList list{
        field<&Self::visitAccessGroupQueryResponse>("visitAccessGroupQueryResponse"),
    };
    return list;
}

} // namespace protocol
