#pragma once
// Names of the access-control capabilities asked of one device.

#include <JSONStruct/ProtocolExport.h>

#include <JSONStruct/Core/IInboundData.h>
#include <JSONStruct/Core/JSONRecord.h>

#include <cstdint>
#include <string>
#include <vector>

namespace protocol {

class AcsAbilityQuery : public JSONRecord<AcsAbilityQuery, IInboundData>
{
public:
    explicit AcsAbilityQuery(const cJSON *node = nullptr) { fromJSON(node); }
    const char *name() const override { return "acsAbilityQuery"; }
    PROTOCOL_EXPORT static const FieldList &fields();

    std::vector<std::string> abilityList;
};

} // namespace protocol
