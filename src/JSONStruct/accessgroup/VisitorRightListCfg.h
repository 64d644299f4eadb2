#pragma once
// A list of visitor rights.

#include <JSONStruct/ProtocolExport.h>

#include <JSONStruct/Core/IInboundData.h>
#include <JSONStruct/Core/JSONRecord.h>
#include <JSONStruct/accessgroup/VisitorRight.h>

#include <cstdint>
#include <string>
#include <vector>

namespace protocol {

class VisitorRightListCfg : public JSONRecord<VisitorRightListCfg, IInboundData>
{
public:
    explicit VisitorRightListCfg(const cJSON *node = nullptr) { fromJSON(node); }
    const char *name() const override { return "VisitorRightListCfg"; }
    PROTOCOL_EXPORT static const FieldList &fields();

    std::vector<VisitorRight> visitorRightList;
};

} // namespace protocol
