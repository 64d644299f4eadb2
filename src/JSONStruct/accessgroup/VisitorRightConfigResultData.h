#pragma once
// Wrapper of the rights synchronisation answer.

#include <JSONStruct/ProtocolExport.h>

#include <JSONStruct/Core/IReturnData.h>
#include <JSONStruct/Core/JSONRecord.h>
#include <JSONStruct/accessgroup/VisitorRightConfigResult.h>

#include <cstdint>
#include <string>

namespace protocol {

class VisitorRightConfigResultData : public JSONRecord<VisitorRightConfigResultData, IReturnData>
{
public:
    explicit VisitorRightConfigResultData(const cJSON *node = nullptr) { fromJSON(node); }
    PROTOCOL_EXPORT static const FieldList &fields();

    VisitorRightConfigResult visitorRightConfigResult;
};

} // namespace protocol
