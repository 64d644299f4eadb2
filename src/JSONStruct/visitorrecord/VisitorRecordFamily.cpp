// Factory hook of the visitorrecord records.

#include <JSONStruct/Core/RecordFactory.h>
#include <JSONStruct/visitorrecord/DownloadPermissionNotifyData.h>

namespace protocol {
namespace families {

void register_visitorrecord(RecordRegistrar &registrar)
{
    // Notification bodies this component interprets replace the generic record.
    registrar.notification<DownloadPermissionNotifyData>("downloadPermission");
}

} // namespace families
} // namespace protocol
