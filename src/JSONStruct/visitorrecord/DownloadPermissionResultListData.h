#pragma once
// Answer of a download request.

#include <JSONStruct/ProtocolExport.h>

#include <JSONStruct/Core/IReturnData.h>
#include <JSONStruct/Core/JSONRecord.h>
#include <JSONStruct/visitorrecord/DownloadPermissionResult.h>

#include <cstdint>
#include <string>
#include <vector>

namespace protocol {

class DownloadPermissionResultListData
    : public JSONRecord<DownloadPermissionResultListData, IReturnData>
{
public:
    explicit DownloadPermissionResultListData(const cJSON *node = nullptr) { fromJSON(node); }
    PROTOCOL_EXPORT static const FieldList &fields();

    std::vector<DownloadPermissionResult> downloadPermissionResultList;
};

} // namespace protocol
