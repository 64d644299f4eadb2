#pragma once
// An access-point group in request form.

#include <JSONStruct/ProtocolExport.h>

#include <JSONStruct/Core/IInboundData.h>
#include <JSONStruct/Core/JSONRecord.h>
#include <JSONStruct/accessgroup/VisitObjectRes.h>

#include <cstdint>
#include <string>
#include <vector>

namespace protocol {

class VisitAccessGroupQueryResponse : public JSONRecord<VisitAccessGroupQueryResponse, IInboundData>
{
public:
    explicit VisitAccessGroupQueryResponse(const cJSON *node = nullptr) { fromJSON(node); }
    const char *name() const override { return "visitAccessGroupQueryResponse"; }
    PROTOCOL_EXPORT static const FieldList &fields();

    std::string accessGroupGuid;
    std::string name_; // key "name"; name() is the record name
    std::int32_t defaultGroup = 0;
    std::string description;
    std::vector<VisitObjectRes> visitObjectResList;
};

} // namespace protocol
