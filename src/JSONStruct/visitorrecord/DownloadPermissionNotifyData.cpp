#include <JSONStruct/visitorrecord/DownloadPermissionNotifyData.h>

namespace protocol {

const DownloadPermissionNotifyData::FieldList &DownloadPermissionNotifyData::fields()
{
    static const FieldList list{
        field<&Self::guid>("guid"),
        field<&Self::accessgroup>("accessgroup"),
        field<&Self::result>("result"),
    };
    return list;
}

} // namespace protocol
