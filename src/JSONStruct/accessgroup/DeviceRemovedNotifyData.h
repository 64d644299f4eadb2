#pragma once
// Body of the "deviceRemoved" notification.

#include <JSONStruct/ProtocolExport.h>

#include <JSONStruct/Core/IWebsocketData.h>
#include <JSONStruct/Core/JSONRecord.h>

#include <cstdint>
#include <string>

namespace protocol {

class DeviceRemovedNotifyData : public JSONRecord<DeviceRemovedNotifyData, IWebsocketData>
{
public:
    explicit DeviceRemovedNotifyData(const cJSON *node = nullptr) { fromJSON(node); }
    const char *name() const override { return "deviceRemoved"; }
    PROTOCOL_EXPORT static const FieldList &fields();

    std::string guid;
};

} // namespace protocol
