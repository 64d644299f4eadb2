#include <JSONStruct/visitorrecord/DownloadPermissionInfo.h>

namespace protocol {

const DownloadPermissionInfo::FieldList &DownloadPermissionInfo::fields()
{
    static const FieldList list{
        field<&Self::visitorRecordList>("visitorRecordList"),
    };
    return list;
}

} // namespace protocol
