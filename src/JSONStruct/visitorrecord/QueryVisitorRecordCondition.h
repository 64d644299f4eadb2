#pragma once
// Filter and page of a visitor-record query; empty texts mean no filter.

#include <JSONStruct/ProtocolExport.h>

#include <JSONStruct/Core/IInboundData.h>
#include <JSONStruct/Core/JSONRecord.h>

#include <cstdint>
#include <string>

namespace protocol {

class QueryVisitorRecordCondition : public JSONRecord<QueryVisitorRecordCondition, IInboundData>
{
public:
    explicit QueryVisitorRecordCondition(const cJSON *node = nullptr) { fromJSON(node); }
    const char *name() const override { return "queryVisitorRecordCondition"; }
    PROTOCOL_EXPORT static const FieldList &fields();

    std::string name_; // key "name"; name() is the record name
    std::string State;
    std::string visitBeginTime;
    std::string visitEndTime;
    std::string leaveBeginTime;
    std::string leaveEndTime;
    std::int32_t pageSize = 0;
    std::int32_t pageNo = 0;
    std::string sortRole;
    bool descending = false;
    bool QuickRegister = false;
};

} // namespace protocol
