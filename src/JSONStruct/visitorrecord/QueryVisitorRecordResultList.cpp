#include <JSONStruct/visitorrecord/QueryVisitorRecordResultList.h>

namespace protocol {

const QueryVisitorRecordResultList::FieldList &QueryVisitorRecordResultList::fields()
{
    static const FieldList list{
        field<&Self::total>("total"),
        field<&Self::pageNo>("pageNo"),
        field<&Self::pageSize>("pageSize"),
        field<&Self::visitorRecordResultList>("visitorRecordResultList"),
    };
    return list;
}

} // namespace protocol
