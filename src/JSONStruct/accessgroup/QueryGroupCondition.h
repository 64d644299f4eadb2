#pragma once
// Options of the single resource-group lookup.

#include <JSONStruct/ProtocolExport.h>

#include <JSONStruct/Core/IInboundData.h>
#include <JSONStruct/Core/JSONRecord.h>

#include <cstdint>
#include <string>
#include <vector>

namespace protocol {

class QueryGroupCondition : public JSONRecord<QueryGroupCondition, IInboundData>
{
public:
    explicit QueryGroupCondition(const cJSON *node = nullptr) { fromJSON(node); }
    const char *name() const override { return "queryGroupCondition"; }
    PROTOCOL_EXPORT static const FieldList &fields();

    bool containElements = false;
    std::int32_t elementType = 0;
    std::vector<std::string> additionalFieldList;
};

} // namespace protocol
