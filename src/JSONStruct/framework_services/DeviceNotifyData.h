#pragma once
// Body of "deviceAdded", "deviceModified", "deviceLogin" (the device came online) and
// "deviceLogout" (it went offline). A modification carries the keys that changed besides
// "guid" (hasKey tells which). "deviceRemoved" has a record of its own.

#include <JSONStruct/Core/IWebsocketData.h>
#include <JSONStruct/Core/JSONRecord.h>
#include <JSONStruct/ProtocolExport.h>

#include <cstdint>
#include <string>

namespace protocol {

class PROTOCOL_EXPORT DeviceNotifyData : public JSONRecord<DeviceNotifyData, IWebsocketData>
{
public:
    /// notifyType: the notification type this body belongs to (static storage).
    explicit DeviceNotifyData(const char *notifyType = "deviceAdded", const cJSON *node = nullptr)
        : m_type(notifyType)
    {
        fromJSON(node);
    }
    const char *name() const override { return m_type; }
    static const FieldList &fields();

    std::string guid;
    std::string name_; // key "name"; name() is the notification type
    std::int32_t type = 0;
    std::string ip;
    std::int32_t port = 0;
    bool online = false;

private:
    const char *m_type;
};

} // namespace protocol
