#pragma once
// Answer of a group change; the result key is "code" followed by one space.

#include <JSONStruct/ProtocolExport.h>

#include <JSONStruct/Core/IReturnData.h>
#include <JSONStruct/Core/JSONRecord.h>

#include <cstdint>
#include <string>

namespace protocol {

class VisitAccessGroupModifyResult : public JSONRecord<VisitAccessGroupModifyResult, IReturnData>
{
public:
    explicit VisitAccessGroupModifyResult(const cJSON *node = nullptr) { fromJSON(node); }
    PROTOCOL_EXPORT static const FieldList &fields();

    std::string name;
    std::string accessGroupGuid;
    std::string code;
};

} // namespace protocol
