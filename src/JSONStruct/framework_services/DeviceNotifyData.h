#pragma once
// Body of "deviceAdded", "deviceModified", "deviceLogin" (the device came online) and
// "deviceLogout" (it went offline). A modification carries the keys that changed besides
// "guid" (hasKey tells which). "deviceRemoved" has a record of its own.

#include <JSONStruct/ProtocolExport.h>
#include <JSONStruct/framework_services/NamedNotifyRecord.h>

#include <cstdint>
#include <string>

namespace protocol {

class PROTOCOL_EXPORT DeviceNotifyData : public NamedNotifyRecord<DeviceNotifyData>
{
public:
    /// notifyType: the notification type this body belongs to (static storage).
    explicit DeviceNotifyData(const char *notifyType = "deviceAdded", const cJSON *node = nullptr)
        : NamedNotifyRecord(notifyType)
    {
        fromJSON(node);
    }
    static const FieldList &fields();

    std::string guid;
    std::string name_; // key "name"; name() is the notification type
    std::int32_t type = 0;
    std::string ip;
    std::int32_t port = 0;
    bool online = false;
};

} // namespace protocol
