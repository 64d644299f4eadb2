#pragma once
// Wrapper of the stored visitor parameters.

#include <JSONStruct/ProtocolExport.h>

#include <JSONStruct/Core/IReturnData.h>
#include <JSONStruct/Core/JSONRecord.h>
#include <JSONStruct/settings/QueryBasicSettingResult.h>

#include <cstdint>
#include <string>

namespace protocol {

class QueryBasicSettingResultData : public JSONRecord<QueryBasicSettingResultData, IReturnData>
{
public:
    explicit QueryBasicSettingResultData(const cJSON *node = nullptr) { fromJSON(node); }
    PROTOCOL_EXPORT static const FieldList &fields();

    QueryBasicSettingResult queryBasicSettingResult;
};

} // namespace protocol
