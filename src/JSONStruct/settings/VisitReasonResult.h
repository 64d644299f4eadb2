#pragma once
// A stored visit reason.

#include <JSONStruct/ProtocolExport.h>

#include <JSONStruct/Core/IReturnData.h>
#include <JSONStruct/Core/JSONRecord.h>

#include <cstdint>
#include <string>

namespace protocol {

class VisitReasonResult : public JSONRecord<VisitReasonResult, IReturnData>
{
public:
    explicit VisitReasonResult(const cJSON *node = nullptr) { fromJSON(node); }
    PROTOCOL_EXPORT static const FieldList &fields();

    std::string visitReasonGuid;
    std::string Name;
};

} // namespace protocol
