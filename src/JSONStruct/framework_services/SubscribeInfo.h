#pragma once
// The notification types the framework forwards to this component (replaces earlier subscriptions;
// repeats are kept as sent).

#include <JSONStruct/ProtocolExport.h>

#include <JSONStruct/Core/IInboundData.h>
#include <JSONStruct/Core/JSONRecord.h>

#include <cstdint>
#include <string>
#include <vector>

namespace protocol {

class SubscribeInfo : public JSONRecord<SubscribeInfo, IInboundData>
{
public:
    explicit SubscribeInfo(const cJSON *node = nullptr) { fromJSON(node); }
    const char *name() const override { return "subscribeInfo"; }
    PROTOCOL_EXPORT static const FieldList &fields();

    std::vector<std::string> typeList;
};

} // namespace protocol
