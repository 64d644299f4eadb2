#include <JSONStruct/visitorrecord/DownloadPermissionResult.h>

namespace protocol {

const DownloadPermissionResult::FieldList &DownloadPermissionResult::fields()
{
    static const FieldList list{
        field<&Self::guid>("guid"),
        field<&Self::code>("code"),
        field<&Self::msg>("msg"),
    };
    return list;
}

} // namespace protocol
