#pragma once
// Answer of the group list.

#include <JSONStruct/ProtocolExport.h>

#include <JSONStruct/Core/IReturnData.h>
#include <JSONStruct/Core/JSONRecord.h>
#include <JSONStruct/accessgroup/VisitAccessGroupQueryResp.h>

#include <cstdint>
#include <string>
#include <vector>

namespace protocol {

class VisitAccessGroupQueryResponseData
    : public JSONRecord<VisitAccessGroupQueryResponseData, IReturnData>
{
public:
    explicit VisitAccessGroupQueryResponseData(const cJSON *node = nullptr) { fromJSON(node); }
    PROTOCOL_EXPORT static const FieldList &fields();

    std::vector<VisitAccessGroupQueryResp> visitAccessGroupQueryResponse;
};

} // namespace protocol
