#pragma once
// Answer of the template test URL. Keys chosen here: "name" (the echoed text) and "result"
// (0 on success).

#include <JSONStruct/ProtocolExport.h>

#include <JSONStruct/Core/IReturnData.h>
#include <JSONStruct/Core/JSONRecord.h>

#include <cstdint>
#include <string>

namespace protocol {

class TemplateTestRspData : public JSONRecord<TemplateTestRspData, IReturnData>
{
public:
    explicit TemplateTestRspData(const cJSON *node = nullptr) { fromJSON(node); }
    PROTOCOL_EXPORT static const FieldList &fields();

    std::string name;
    std::int32_t result = 0;
};

} // namespace protocol
