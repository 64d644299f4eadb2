#include <JSONStruct/visitorrecord/VisitorErrorRecordResponseData.h>

namespace protocol {

const VisitorErrorRecordResponseData::FieldList &VisitorErrorRecordResponseData::fields()
{
    static const FieldList list{
        field<&Self::visitorErrorRecordResponse>("VisitorErrorRecordResponse"),
    };
    return list;
}

} // namespace protocol
