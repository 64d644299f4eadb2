#pragma once
// Answer of a group create.

#include <JSONStruct/ProtocolExport.h>

#include <JSONStruct/Core/IReturnData.h>
#include <JSONStruct/Core/JSONRecord.h>

#include <cstdint>
#include <string>

namespace protocol {

class VisitAccessGroupAddedResult : public JSONRecord<VisitAccessGroupAddedResult, IReturnData>
{
public:
    explicit VisitAccessGroupAddedResult(const cJSON *node = nullptr) { fromJSON(node); }
    PROTOCOL_EXPORT static const FieldList &fields();

    std::string name;
    std::string accessGroupGuid;
    std::string code;
};

} // namespace protocol
