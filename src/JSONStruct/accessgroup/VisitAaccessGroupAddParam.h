#pragma once
// A new access-point group (the double "a" belongs to the name).

#include <JSONStruct/ProtocolExport.h>

#include <JSONStruct/Core/IInboundData.h>
#include <JSONStruct/Core/JSONRecord.h>
#include <JSONStruct/accessgroup/VisitObjectAdd.h>

#include <cstdint>
#include <string>
#include <vector>

namespace protocol {

class VisitAaccessGroupAddParam : public JSONRecord<VisitAaccessGroupAddParam, IInboundData>
{
public:
    explicit VisitAaccessGroupAddParam(const cJSON *node = nullptr) { fromJSON(node); }
    const char *name() const override { return "visitAaccessGroupAddParam"; }
    PROTOCOL_EXPORT static const FieldList &fields();

    std::string name_; // key "name"; name() is the record name
    std::int32_t defaultGroup = 0;
    std::int32_t downloadIDCard = 0;
    std::int32_t QRCodeVersion = 0;
    std::string description;
    std::vector<VisitObjectAdd> visitObjectAddList;
};

} // namespace protocol
