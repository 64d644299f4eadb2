#pragma once
// Outcome of the rights synchronisation per device.

#include <JSONStruct/ProtocolExport.h>

#include <JSONStruct/Core/IReturnData.h>
#include <JSONStruct/Core/JSONRecord.h>
#include <JSONStruct/accessgroup/RightListResult.h>

#include <cstdint>
#include <string>
#include <vector>

namespace protocol {

class VisitorRightConfigResult : public JSONRecord<VisitorRightConfigResult, IReturnData>
{
public:
    explicit VisitorRightConfigResult(const cJSON *node = nullptr) { fromJSON(node); }
    PROTOCOL_EXPORT static const FieldList &fields();

    std::vector<RightListResult> rightListResult;
};

} // namespace protocol
