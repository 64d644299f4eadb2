#pragma once
// Body of the "elementNameChanged" notification: an element (door) and its new name.

#include <JSONStruct/ProtocolExport.h>

#include <JSONStruct/Core/IWebsocketData.h>
#include <JSONStruct/Core/JSONRecord.h>

#include <cstdint>
#include <string>

namespace protocol {

class ElementNameChangedNotifyData : public JSONRecord<ElementNameChangedNotifyData, IWebsocketData>
{
public:
    explicit ElementNameChangedNotifyData(const cJSON *node = nullptr) { fromJSON(node); }
    const char *name() const override { return "elementNameChanged"; }
    PROTOCOL_EXPORT static const FieldList &fields();

    std::string guid;
    std::string groupGuid;
    std::string name_; // key "name"; name() is the record name
    std::int32_t type = 0;
};

} // namespace protocol
