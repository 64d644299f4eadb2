#pragma once
// Wrapper of a group create answer.

#include <JSONStruct/ProtocolExport.h>

#include <JSONStruct/Core/IReturnData.h>
#include <JSONStruct/Core/JSONRecord.h>
#include <JSONStruct/accessgroup/VisitAccessGroupAddedResult.h>

#include <cstdint>
#include <string>

namespace protocol {

class VisitAccessGroupAddedResultData
    : public JSONRecord<VisitAccessGroupAddedResultData, IReturnData>
{
public:
    explicit VisitAccessGroupAddedResultData(const cJSON *node = nullptr) { fromJSON(node); }
    PROTOCOL_EXPORT static const FieldList &fields();

    VisitAccessGroupAddedResult visitAccessGroupAddedResult;
};

} // namespace protocol
