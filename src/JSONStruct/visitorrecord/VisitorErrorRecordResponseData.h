#pragma once
// Wrapper of the failed downloads of one record.

#include <JSONStruct/ProtocolExport.h>

#include <JSONStruct/Core/IReturnData.h>
#include <JSONStruct/Core/JSONRecord.h>
#include <JSONStruct/visitorrecord/VisitorErrorRecordResponse.h>

#include <cstdint>
#include <string>

namespace protocol {

class VisitorErrorRecordResponseData
    : public JSONRecord<VisitorErrorRecordResponseData, IReturnData>
{
public:
    explicit VisitorErrorRecordResponseData(const cJSON *node = nullptr) { fromJSON(node); }
    PROTOCOL_EXPORT static const FieldList &fields();

    VisitorErrorRecordResponse visitorErrorRecordResponse;
};

} // namespace protocol
