#pragma once
// Body of "organizationAdded", "organizationModified" and "organizationRemoved". A
// modification carries the keys that changed besides "guid" (hasKey tells which).

#include <JSONStruct/Core/IWebsocketData.h>
#include <JSONStruct/Core/JSONRecord.h>
#include <JSONStruct/ProtocolExport.h>

#include <cstdint>
#include <string>

namespace protocol {

class PROTOCOL_EXPORT OrganizationNotifyData
    : public JSONRecord<OrganizationNotifyData, IWebsocketData>
{
public:
    /// notifyType: the notification type this body belongs to (static storage).
    explicit OrganizationNotifyData(const char *notifyType = "organizationAdded",
                                    const cJSON *node = nullptr)
        : m_type(notifyType)
    {
        fromJSON(node);
    }
    const char *name() const override { return m_type; }
    static const FieldList &fields();

    std::string guid;
    std::string parentGuid;
    std::string name_; // key "name"; name() is the notification type
    std::int32_t sequence = 0;

private:
    const char *m_type;
};

} // namespace protocol
