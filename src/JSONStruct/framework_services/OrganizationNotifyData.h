#pragma once
// Body of "organizationAdded", "organizationModified" and "organizationRemoved". A
// modification carries the keys that changed besides "guid" (hasKey tells which).

#include <JSONStruct/ProtocolExport.h>
#include <JSONStruct/framework_services/NamedNotifyRecord.h>

#include <cstdint>
#include <string>

namespace protocol {

class PROTOCOL_EXPORT OrganizationNotifyData : public NamedNotifyRecord<OrganizationNotifyData>
{
public:
    /// notifyType: the notification type this body belongs to (static storage).
    explicit OrganizationNotifyData(const char *notifyType = "organizationAdded",
                                    const cJSON *node = nullptr)
        : NamedNotifyRecord(notifyType)
    {
        fromJSON(node);
    }
    static const FieldList &fields();

    std::string guid;
    std::string parentGuid;
    std::string name_; // key "name"; name() is the notification type
    std::int32_t sequence = 0;
};

} // namespace protocol
