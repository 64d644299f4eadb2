#pragma once
// Body of "groupAdded", "groupRemoved" and "groupOrderChanged" (a resource group moved
// to "sequence"). "groupNameChanged" has a record of its own.

#include <JSONStruct/ProtocolExport.h>
#include <JSONStruct/framework_services/NamedNotifyRecord.h>

#include <cstdint>
#include <string>

namespace protocol {

class PROTOCOL_EXPORT ResourceGroupNotifyData : public NamedNotifyRecord<ResourceGroupNotifyData>
{
public:
    /// notifyType: the notification type this body belongs to (static storage).
    explicit ResourceGroupNotifyData(const char *notifyType = "groupAdded",
                                     const cJSON *node = nullptr)
        : NamedNotifyRecord(notifyType)
    {
        fromJSON(node);
    }
    static const FieldList &fields();

    std::string guid;
    std::string name_; // key "name"; name() is the notification type
    std::int32_t sequence = 0;
};

} // namespace protocol
