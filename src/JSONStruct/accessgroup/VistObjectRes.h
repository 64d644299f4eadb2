#pragma once
// A door of an access-point group as the server lists it ("vist" is the wire spelling).

#include <JSONStruct/ProtocolExport.h>

#include <JSONStruct/Core/IReturnData.h>
#include <JSONStruct/Core/JSONRecord.h>

#include <cstdint>
#include <string>

namespace protocol {

class VistObjectRes : public JSONRecord<VistObjectRes, IReturnData>
{
public:
    explicit VistObjectRes(const cJSON *node = nullptr) { fromJSON(node); }
    PROTOCOL_EXPORT static const FieldList &fields();

    std::string deviceGuid;
    std::string objectGuid;
    std::string objGroupGuid;
    std::string objectName;
    std::int32_t objectNo = 0;
    std::int32_t objectType = 0;
};

} // namespace protocol
