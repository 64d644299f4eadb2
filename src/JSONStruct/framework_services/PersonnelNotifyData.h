#pragma once
// Body of the person notifications: "personnelAdded", "personnelRemoved",
// "personnelNameModified", "parentModified" (a person moved to "orgGuid") and
// "personnelDataChanged". Besides "guid" a change carries only the keys it changes
// (hasKey tells which).

#include <JSONStruct/ProtocolExport.h>
#include <JSONStruct/framework_services/NamedNotifyRecord.h>

#include <cstdint>
#include <string>

namespace protocol {

class PROTOCOL_EXPORT PersonnelNotifyData : public NamedNotifyRecord<PersonnelNotifyData>
{
public:
    /// notifyType: the notification type this body belongs to (static storage).
    explicit PersonnelNotifyData(const char *notifyType = "personnelAdded",
                                 const cJSON *node = nullptr)
        : NamedNotifyRecord(notifyType)
    {
        fromJSON(node);
    }
    static const FieldList &fields();

    std::string guid;
    std::string orgGuid;
    std::string name_; // key "name"; name() is the notification type
    std::int32_t gender = 0;
    std::string phone;
    std::string sn;
};

} // namespace protocol
