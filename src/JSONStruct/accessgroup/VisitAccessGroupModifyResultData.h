#pragma once
// Wrapper of a group change answer.

#include <JSONStruct/ProtocolExport.h>

#include <JSONStruct/Core/IReturnData.h>
#include <JSONStruct/Core/JSONRecord.h>
#include <JSONStruct/accessgroup/VisitAccessGroupModifyResult.h>

#include <cstdint>
#include <string>

namespace protocol {

class VisitAccessGroupModifyResultData
    : public JSONRecord<VisitAccessGroupModifyResultData, IReturnData>
{
public:
    explicit VisitAccessGroupModifyResultData(const cJSON *node = nullptr) { fromJSON(node); }
    PROTOCOL_EXPORT static const FieldList &fields();

    VisitAccessGroupModifyResult visitAccessGroupModifyResult;
};

} // namespace protocol
