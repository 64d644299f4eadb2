#pragma once
// Answer of a person query.

#include <JSONStruct/ProtocolExport.h>

#include <JSONStruct/Core/IReturnData.h>
#include <JSONStruct/Core/JSONRecord.h>
#include <JSONStruct/personnel/PersonnelResp.h>

#include <cstdint>
#include <string>
#include <vector>

namespace protocol {
namespace personnelcommon {

class TotalData : public JSONRecord<TotalData, IReturnData>
{
public:
    explicit TotalData(const cJSON *node = nullptr) { fromJSON(node); }
    PROTOCOL_EXPORT static const FieldList &fields();

    std::int32_t total = 0;
    std::int32_t pageNo = 0;
    std::int32_t pageSize = 0;
    std::vector<PersonnelResp> personnelResponse;
};

} // namespace personnelcommon
} // namespace protocol
