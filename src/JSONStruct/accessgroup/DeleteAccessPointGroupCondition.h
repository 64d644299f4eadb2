#pragma once
// Groups to delete.

#include <JSONStruct/ProtocolExport.h>

#include <JSONStruct/Core/IInboundData.h>
#include <JSONStruct/Core/JSONRecord.h>

#include <cstdint>
#include <string>
#include <vector>

namespace protocol {

class DeleteAccessPointGroupCondition
    : public JSONRecord<DeleteAccessPointGroupCondition, IInboundData>
{
public:
    explicit DeleteAccessPointGroupCondition(const cJSON *node = nullptr) { fromJSON(node); }
    const char *name() const override { return "deleteAccessPointGroupCondition"; }
    PROTOCOL_EXPORT static const FieldList &fields();

    std::vector<std::string> deleteAccessPointGroupIDList;
};

} // namespace protocol
