#pragma once
// One person of the organisation tree.

#include <JSONStruct/ProtocolExport.h>

#include <JSONStruct/Core/IReturnData.h>
#include <JSONStruct/Core/JSONRecord.h>

#include <cstdint>
#include <string>
#include <vector>

namespace protocol {

class PersonNode : public JSONRecord<PersonNode, IReturnData>
{
public:
    explicit PersonNode(const cJSON *node = nullptr) { fromJSON(node); }
    PROTOCOL_EXPORT static const FieldList &fields();

    std::string guid;
    std::string orgGuid;
    std::string name;
    std::int32_t gender = 0;
    std::string phone;
    std::string sn;
    std::string orgPath;
};

} // namespace protocol
