#pragma once
// A visit reason to store.

#include <JSONStruct/ProtocolExport.h>

#include <JSONStruct/Core/IInboundData.h>
#include <JSONStruct/Core/JSONRecord.h>

#include <cstdint>
#include <string>

namespace protocol {

class VisitReason : public JSONRecord<VisitReason, IInboundData>
{
public:
    explicit VisitReason(const cJSON *node = nullptr) { fromJSON(node); }
    const char *name() const override { return "visitReason"; }
    PROTOCOL_EXPORT static const FieldList &fields();

    std::string visitReasonGuid;
    std::string Name;
};

} // namespace protocol
