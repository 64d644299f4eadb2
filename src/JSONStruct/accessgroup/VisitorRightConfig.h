#pragma once
// Synchronisation of the visitor rights to the devices; sent with an empty ConfigType.

#include <JSONStruct/ProtocolExport.h>

#include <JSONStruct/Core/IInboundData.h>
#include <JSONStruct/Core/JSONRecord.h>

#include <cstdint>
#include <string>

namespace protocol {

class VisitorRightConfig : public JSONRecord<VisitorRightConfig, IInboundData>
{
public:
    explicit VisitorRightConfig(const cJSON *node = nullptr) { fromJSON(node); }
    const char *name() const override { return "visitorRightConfig"; }
    PROTOCOL_EXPORT static const FieldList &fields();

    std::string ConfigType;
};

} // namespace protocol
