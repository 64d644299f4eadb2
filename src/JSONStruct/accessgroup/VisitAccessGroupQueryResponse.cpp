#include <JSONStruct/accessgroup/VisitAccessGroupQueryResponse.h>

namespace protocol {

const VisitAccessGroupQueryResponse::FieldList &VisitAccessGroupQueryResponse::fields()
{
    static const FieldList list{
        field<&Self::accessGroupGuid>("accessGroupGuid"),
        field<&Self::name_>("name"),
        field<&Self::defaultGroup>("defaultGroup"),
        field<&Self::description>("description"),
        field<&Self::visitObjectResList>("visitObjectResList"),
    };
    return list;
}

} // namespace protocol
