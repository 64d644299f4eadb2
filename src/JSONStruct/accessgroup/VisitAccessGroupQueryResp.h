#pragma once
// One access-point group as the server lists it.

#include <JSONStruct/ProtocolExport.h>

#include <JSONStruct/Core/IReturnData.h>
#include <JSONStruct/Core/JSONRecord.h>
#include <JSONStruct/accessgroup/VistObjectRes.h>

#include <cstdint>
#include <string>
#include <vector>

namespace protocol {

class VisitAccessGroupQueryResp : public JSONRecord<VisitAccessGroupQueryResp, IReturnData>
{
public:
    explicit VisitAccessGroupQueryResp(const cJSON *node = nullptr) { fromJSON(node); }
    PROTOCOL_EXPORT static const FieldList &fields();

    std::string accessGroupGuid;
    std::string name;
    std::int32_t defaultGroup = 0;
    std::int32_t downloadIDCard = 0;
    std::int32_t QRCodeVersion = 0;
    std::string description;
    std::vector<VistObjectRes> vistObjectResList;
};

} // namespace protocol
