#pragma once
// An access-point group granted to a visitor.

#include <JSONStruct/ProtocolExport.h>

#include <JSONStruct/Core/IReturnData.h>
#include <JSONStruct/Core/JSONRecord.h>

#include <cstdint>
#include <string>

namespace protocol {

class VisitGroup : public JSONRecord<VisitGroup, IReturnData>
{
public:
    explicit VisitGroup(const cJSON *node = nullptr) { fromJSON(node); }
    PROTOCOL_EXPORT static const FieldList &fields();

    std::string visitGroupGuid;
    std::string visitGroupName;
};

} // namespace protocol
