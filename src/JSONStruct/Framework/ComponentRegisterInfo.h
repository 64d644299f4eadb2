#pragma once
// What the component announces to the framework at start: the URLs and LPC methods
// it serves.

#include <JSONStruct/ProtocolExport.h>

#include <JSONStruct/Core/IInboundData.h>
#include <JSONStruct/Core/JSONRecord.h>

#include <string>
#include <vector>

namespace protocol {

class ComponentRegisterInfo : public JSONRecord<ComponentRegisterInfo, IInboundData>
{
public:
    explicit ComponentRegisterInfo(const cJSON *node = nullptr) { fromJSON(node); }
    const char *name() const override { return "componentRegisterInfo"; }
    PROTOCOL_EXPORT static const FieldList &fields();

    std::vector<std::string> supportUrlList;
    std::vector<std::string> supportMethodList;
};

} // namespace protocol
