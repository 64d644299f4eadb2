#pragma once
// Body of the "groupNameChanged" notification: a resource group and its new name.

#include <JSONStruct/ProtocolExport.h>

#include <JSONStruct/Core/IWebsocketData.h>
#include <JSONStruct/Core/JSONRecord.h>

#include <cstdint>
#include <string>

namespace protocol {

class GroupNameChangedNotifyData : public JSONRecord<GroupNameChangedNotifyData, IWebsocketData>
{
public:
    explicit GroupNameChangedNotifyData(const cJSON *node = nullptr) { fromJSON(node); }
    const char *name() const override { return "groupNameChanged"; }
    PROTOCOL_EXPORT static const FieldList &fields();

    std::string guid;
    std::string name_; // key "name"; name() is the record name
};

} // namespace protocol
