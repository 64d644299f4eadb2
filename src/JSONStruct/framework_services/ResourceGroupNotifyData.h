#pragma once
// Body of "groupAdded", "groupRemoved" and "groupOrderChanged" (a resource group moved
// to "sequence"). "groupNameChanged" has a record of its own.

#include <JSONStruct/Core/IWebsocketData.h>
#include <JSONStruct/Core/JSONRecord.h>
#include <JSONStruct/ProtocolExport.h>

#include <cstdint>
#include <string>

namespace protocol {

class PROTOCOL_EXPORT ResourceGroupNotifyData
    : public JSONRecord<ResourceGroupNotifyData, IWebsocketData>
{
public:
    /// notifyType: the notification type this body belongs to (static storage).
    explicit ResourceGroupNotifyData(const char *notifyType = "groupAdded",
                                     const cJSON *node = nullptr)
        : m_type(notifyType)
    {
        fromJSON(node);
    }
    const char *name() const override { return m_type; }
    static const FieldList &fields();

    std::string guid;
    std::string name_; // key "name"; name() is the notification type
    std::int32_t sequence = 0;

private:
    const char *m_type;
};

} // namespace protocol
