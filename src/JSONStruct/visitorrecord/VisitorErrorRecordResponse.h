#pragma once
// The failed downloads of one record.

#include <JSONStruct/ProtocolExport.h>

#include <JSONStruct/Core/IReturnData.h>
#include <JSONStruct/Core/JSONRecord.h>
#include <JSONStruct/visitorrecord/VisitorErrorRecord.h>

#include <cstdint>
#include <string>
#include <vector>

namespace protocol {

class VisitorErrorRecordResponse : public JSONRecord<VisitorErrorRecordResponse, IReturnData>
{
public:
    explicit VisitorErrorRecordResponse(const cJSON *node = nullptr) { fromJSON(node); }
    PROTOCOL_EXPORT static const FieldList &fields();

    std::vector<VisitorErrorRecord> VisitorErrorRecordList;
};

} // namespace protocol
