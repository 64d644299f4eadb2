#include <JSONStruct/visitorrecord/QueryVisitorRecordCondition.h>

namespace protocol {

const QueryVisitorRecordCondition::FieldList &QueryVisitorRecordCondition::fields()
{
    static const FieldList list{
        field<&Self::name_>("name"),
        field<&Self::State>("State"),
        field<&Self::visitBeginTime>("visitBeginTime"),
        field<&Self::visitEndTime>("visitEndTime"),
        field<&Self::leaveBeginTime>("leaveBeginTime"),
        field<&Self::leaveEndTime>("leaveEndTime"),
        field<&Self::pageSize>("pageSize"),
        field<&Self::pageNo>("pageNo"),
        field<&Self::sortRole>("sortRole"),
        field<&Self::descending>("descending"),
        field<&Self::QuickRegister>("QuickRegister"),
    };
    return list;
}

} // namespace protocol
