#pragma once
// Outcome of the rights synchronisation on one device; result 1 is success.

#include <JSONStruct/ProtocolExport.h>

#include <JSONStruct/Core/IReturnData.h>
#include <JSONStruct/Core/JSONRecord.h>

#include <cstdint>
#include <string>

namespace protocol {

class RightListResult : public JSONRecord<RightListResult, IReturnData>
{
public:
    explicit RightListResult(const cJSON *node = nullptr) { fromJSON(node); }
    PROTOCOL_EXPORT static const FieldList &fields();

    std::string guid;
    std::string ip;
    std::int32_t port = 0;
    std::int32_t result = 0;
    std::string code;
};

} // namespace protocol
