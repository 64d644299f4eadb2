#pragma once
// Outcome of the download request of one record.

#include <JSONStruct/ProtocolExport.h>

#include <JSONStruct/Core/IReturnData.h>
#include <JSONStruct/Core/JSONRecord.h>

#include <cstdint>
#include <string>

namespace protocol {

class DownloadPermissionResult : public JSONRecord<DownloadPermissionResult, IReturnData>
{
public:
    explicit DownloadPermissionResult(const cJSON *node = nullptr) { fromJSON(node); }
    PROTOCOL_EXPORT static const FieldList &fields();

    std::string guid;
    std::string code;
    std::string msg;
};

} // namespace protocol
