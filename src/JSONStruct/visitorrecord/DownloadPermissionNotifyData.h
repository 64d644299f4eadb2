#pragma once
// Body of the "downloadPermission" notification: how the download of one record ended.

#include <JSONStruct/ProtocolExport.h>

#include <JSONStruct/Core/IWebsocketData.h>
#include <JSONStruct/Core/JSONRecord.h>

#include <cstdint>
#include <string>

namespace protocol {

class DownloadPermissionNotifyData : public JSONRecord<DownloadPermissionNotifyData, IWebsocketData>
{
public:
    explicit DownloadPermissionNotifyData(const cJSON *node = nullptr) { fromJSON(node); }
    const char *name() const override { return "downloadPermission"; }
    PROTOCOL_EXPORT static const FieldList &fields();

    std::string guid;
    std::string accessgroup;
    std::int32_t result = 0;
};

} // namespace protocol
