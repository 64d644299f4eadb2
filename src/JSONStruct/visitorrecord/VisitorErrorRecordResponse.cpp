#include <JSONStruct/visitorrecord/VisitorErrorRecordResponse.h>

namespace protocol {

const VisitorErrorRecordResponse::FieldList &VisitorErrorRecordResponse::fields()
{
    static const FieldList list{
        field<&Self::VisitorErrorRecordList>("VisitorErrorRecordList"),
    };
    return list;
}

} // namespace protocol
