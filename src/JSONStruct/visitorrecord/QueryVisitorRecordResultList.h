#pragma once
// One page of visitor records.

#include <JSONStruct/ProtocolExport.h>

#include <JSONStruct/Core/IReturnData.h>
#include <JSONStruct/Core/JSONRecord.h>
#include <JSONStruct/visitorrecord/VisitorRecordResult.h>

#include <cstdint>
#include <string>
#include <vector>

namespace protocol {

class QueryVisitorRecordResultList : public JSONRecord<QueryVisitorRecordResultList, IReturnData>
{
public:
    explicit QueryVisitorRecordResultList(const cJSON *node = nullptr) { fromJSON(node); }
    PROTOCOL_EXPORT static const FieldList &fields();

    std::int32_t total = 0;
    std::int32_t pageNo = 0;
    std::int32_t pageSize = 0;
    std::vector<VisitorRecordResult> visitorRecordResultList;
};

} // namespace protocol
