// Factory hook of the accessgroup records.

#include <JSONStruct/Core/RecordFactory.h>
#include <JSONStruct/accessgroup/DeviceRemovedNotifyData.h>
#include <JSONStruct/accessgroup/ElementNameChangedNotifyData.h>
#include <JSONStruct/accessgroup/GroupNameChangedNotifyData.h>

namespace protocol {
namespace families {

void register_accessgroup(RecordRegistrar &registrar)
{
    // Notification bodies this component interprets replace the generic record.
    registrar.notification<DeviceRemovedNotifyData>("deviceRemoved");
    registrar.notification<GroupNameChangedNotifyData>("groupNameChanged");
    registrar.notification<ElementNameChangedNotifyData>("elementNameChanged");
}

} // namespace families
} // namespace protocol
