#pragma once
// Body of the notifications about one element (door) of a resource group:
// "elementAdded", "doorAdded", "elementRemoved", "doorRemoved", "doorNameChanged",
// "doorOnlineState" and "elementOnlineChanged". Besides "guid" a change carries the keys
// it changes (hasKey tells which). "elementNameChanged" has a record of its own.

#include <JSONStruct/ProtocolExport.h>
#include <JSONStruct/framework_services/NamedNotifyRecord.h>

#include <cstdint>
#include <string>

namespace protocol {

class PROTOCOL_EXPORT ElementNotifyData : public NamedNotifyRecord<ElementNotifyData>
{
public:
    /// notifyType: the notification type this body belongs to (static storage).
    explicit ElementNotifyData(const char *notifyType = "elementAdded", const cJSON *node = nullptr)
        : NamedNotifyRecord(notifyType)
    {
        fromJSON(node);
    }
    static const FieldList &fields();

    std::string guid;
    std::string groupGuid;
    std::string name_; // key "name"; name() is the notification type
    std::string deviceGuid;
    std::int32_t doorNo = 0;
    bool online = false;
};

} // namespace protocol
