#pragma once
// Request of the template test URL. Keys chosen here: "name" (a text the server echoes).

#include <JSONStruct/ProtocolExport.h>

#include <JSONStruct/Core/IInboundData.h>
#include <JSONStruct/Core/JSONRecord.h>

#include <cstdint>
#include <string>

namespace protocol {

class TemplateTest : public JSONRecord<TemplateTest, IInboundData>
{
public:
    explicit TemplateTest(const cJSON *node = nullptr) { fromJSON(node); }
    const char *name() const override { return "templateTest"; }
    PROTOCOL_EXPORT static const FieldList &fields();

    std::string name_; // key "name"; name() is the record name
};

} // namespace protocol
