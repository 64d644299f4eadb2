#pragma once
// One visitor right; uuid and remark are left out when empty.

#include <JSONStruct/ProtocolExport.h>

#include <JSONStruct/Core/IInboundData.h>
#include <JSONStruct/Core/JSONRecord.h>

#include <cstdint>
#include <string>

namespace protocol {

class VisitorRight : public JSONRecord<VisitorRight, IInboundData>
{
public:
    explicit VisitorRight(const cJSON *node = nullptr) { fromJSON(node); }
    const char *name() const override { return "VisitorRight"; }
    PROTOCOL_EXPORT static const FieldList &fields();

    std::string uuid;
    std::string remark;
    bool isDefault = false;
};

} // namespace protocol
