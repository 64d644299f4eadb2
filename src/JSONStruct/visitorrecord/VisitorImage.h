#pragma once
// A picture carried inside visitor messages.

#include <JSONStruct/ProtocolExport.h>

#include <JSONStruct/Core/IInboundData.h>
#include <JSONStruct/Core/JSONRecord.h>

#include <cstdint>
#include <string>

namespace protocol {

class VisitorImage : public JSONRecord<VisitorImage, IInboundData>
{
public:
    explicit VisitorImage(const cJSON *node = nullptr) { fromJSON(node); }
    const char *name() const override { return "VisitorImage"; }
    PROTOCOL_EXPORT static const FieldList &fields();

    std::string resourcesContentType;
    std::string resourcesContent;
};

} // namespace protocol
