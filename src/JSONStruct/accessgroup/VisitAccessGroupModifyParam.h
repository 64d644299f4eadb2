#pragma once
// New state of an existing group; "downLoadIDCard" has a capital L here, unlike the add.

#include <JSONStruct/ProtocolExport.h>

#include <JSONStruct/Core/IInboundData.h>
#include <JSONStruct/Core/JSONRecord.h>
#include <JSONStruct/accessgroup/ObjectModify.h>

#include <cstdint>
#include <string>
#include <vector>

namespace protocol {

class VisitAccessGroupModifyParam : public JSONRecord<VisitAccessGroupModifyParam, IInboundData>
{
public:
    explicit VisitAccessGroupModifyParam(const cJSON *node = nullptr) { fromJSON(node); }
    const char *name() const override { return "visitAccessGroupModifyParam"; }
    PROTOCOL_EXPORT static const FieldList &fields();

    std::string name_; // key "name"; name() is the record name
    std::string description;
    std::int32_t defaultGroup = 0;
    std::int32_t downLoadIDCard = 0;
    std::int32_t QRCodeVersion = 0;
    std::vector<ObjectModify> objectModifyList;
};

} // namespace protocol
