#include <JSONStruct/visitorrecord/DownloadPermissionResultListData.h>

namespace protocol {

const DownloadPermissionResultListData::FieldList &DownloadPermissionResultListData::fields()
{
    static const FieldList list{
        field<&Self::downloadPermissionResultList>("downloadPermissionResultList"),
    };
    return list;
}

} // namespace protocol
