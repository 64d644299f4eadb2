#pragma once
// A visitor right wrapped under its own name.

#include <JSONStruct/ProtocolExport.h>

#include <JSONStruct/Core/IInboundData.h>
#include <JSONStruct/Core/JSONRecord.h>
#include <JSONStruct/accessgroup/VisitorRight.h>

#include <cstdint>
#include <string>

namespace protocol {

class VisitorRightList : public JSONRecord<VisitorRightList, IInboundData>
{
public:
    explicit VisitorRightList(const cJSON *node = nullptr) { fromJSON(node); }
    const char *name() const override { return "VisitorRight"; }
    PROTOCOL_EXPORT static const FieldList &fields();

    VisitorRight visitorRight;
};

} // namespace protocol
