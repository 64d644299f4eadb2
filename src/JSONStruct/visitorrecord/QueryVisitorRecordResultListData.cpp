#include <JSONStruct/visitorrecord/QueryVisitorRecordResultListData.h>

namespace protocol {

const QueryVisitorRecordResultListData::FieldList &QueryVisitorRecordResultListData::fields()
{
    static const FieldList list{
        field<&Self::queryVisitorRecordResultList>("queryVisitorRecordResultList"),
    };
    return list;
}

} // namespace protocol
