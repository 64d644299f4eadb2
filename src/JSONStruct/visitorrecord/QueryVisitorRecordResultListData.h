#pragma once
// Wrapper of a record page and of the failed-download list.

#include <JSONStruct/ProtocolExport.h>

#include <JSONStruct/Core/IReturnData.h>
#include <JSONStruct/Core/JSONRecord.h>
#include <JSONStruct/visitorrecord/QueryVisitorRecordResultList.h>

#include <cstdint>
#include <string>

namespace protocol {

class QueryVisitorRecordResultListData
    : public JSONRecord<QueryVisitorRecordResultListData, IReturnData>
{
public:
    explicit QueryVisitorRecordResultListData(const cJSON *node = nullptr) { fromJSON(node); }
    PROTOCOL_EXPORT static const FieldList &fields();

    QueryVisitorRecordResultList queryVisitorRecordResultList;
};

} // namespace protocol
