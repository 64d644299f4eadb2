#include <JSONStruct/visitorrecord/VisitorErrorRecord.h>

namespace protocol {

const VisitorErrorRecord::FieldList &VisitorErrorRecord::fields()
{
    static const FieldList list{
        field<&Self::VisitorRecordID>("VisitorRecordID"),
        field<&Self::DeviceGuid>("DeviceGuid"),
        field<&Self::FailType>("FailType"),
        field<&Self::ErrorCode>("ErrorCode"),
    };
    return list;
}

} // namespace protocol
