#pragma once
// Records whose permissions are downloaded to the devices again.

#include <JSONStruct/ProtocolExport.h>

#include <JSONStruct/Core/IInboundData.h>
#include <JSONStruct/Core/JSONRecord.h>

#include <cstdint>
#include <string>
#include <vector>

namespace protocol {

class DownloadPermissionInfo : public JSONRecord<DownloadPermissionInfo, IInboundData>
{
public:
    explicit DownloadPermissionInfo(const cJSON *node = nullptr) { fromJSON(node); }
    const char *name() const override { return "downloadPermissionInfo"; }
    PROTOCOL_EXPORT static const FieldList &fields();

    std::vector<std::string> visitorRecordList;
};

} // namespace protocol
