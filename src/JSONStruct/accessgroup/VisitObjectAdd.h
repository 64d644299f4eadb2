#pragma once
// A door of a new access-point group.

#include <JSONStruct/ProtocolExport.h>

#include <JSONStruct/Core/IInboundData.h>
#include <JSONStruct/Core/JSONRecord.h>

#include <cstdint>
#include <string>

namespace protocol {

class VisitObjectAdd : public JSONRecord<VisitObjectAdd, IInboundData>
{
public:
    explicit VisitObjectAdd(const cJSON *node = nullptr) { fromJSON(node); }
    const char *name() const override { return "visitObjectAdd"; }
    PROTOCOL_EXPORT static const FieldList &fields();

    std::string deviceGuid;
    std::string objectGuid;
    std::string objGroupGuid;
    std::string objectName;
    std::int32_t objectNo = 0;
    std::int32_t objectType = 0;
};

} // namespace protocol
