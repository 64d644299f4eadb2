#pragma once
// Body of the person notifications: "personnelAdded", "personnelRemoved",
// "personnelNameModified", "parentModified" (a person moved to "orgGuid") and
// "personnelDataChanged". Besides "guid" a change carries only the keys it changes
// (hasKey tells which).

#include <JSONStruct/Core/IWebsocketData.h>
#include <JSONStruct/Core/JSONRecord.h>
#include <JSONStruct/ProtocolExport.h>

#include <cstdint>
#include <string>

namespace protocol {

class PROTOCOL_EXPORT PersonnelNotifyData : public JSONRecord<PersonnelNotifyData, IWebsocketData>
{
public:
    /// notifyType: the notification type this body belongs to (static storage).
    explicit PersonnelNotifyData(const char *notifyType = "personnelAdded",
                                 const cJSON *node = nullptr)
        : m_type(notifyType)
    {
        fromJSON(node);
    }
    const char *name() const override { return m_type; }
    static const FieldList &fields();

    std::string guid;
    std::string orgGuid;
    std::string name_; // key "name"; name() is the notification type
    std::int32_t gender = 0;
    std::string phone;
    std::string sn;

private:
    const char *m_type;
};

} // namespace protocol
