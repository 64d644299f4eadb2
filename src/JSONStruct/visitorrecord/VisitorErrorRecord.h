#pragma once
// A failed permission download of one record on one device; ErrorCode is "module-code".

#include <JSONStruct/ProtocolExport.h>

#include <JSONStruct/Core/IReturnData.h>
#include <JSONStruct/Core/JSONRecord.h>

#include <cstdint>
#include <string>

namespace protocol {

class VisitorErrorRecord : public JSONRecord<VisitorErrorRecord, IReturnData>
{
public:
    explicit VisitorErrorRecord(const cJSON *node = nullptr) { fromJSON(node); }
    PROTOCOL_EXPORT static const FieldList &fields();

    std::string VisitorRecordID;
    std::string DeviceGuid;
    std::int32_t FailType = 0;
    std::string ErrorCode;
};

} // namespace protocol
