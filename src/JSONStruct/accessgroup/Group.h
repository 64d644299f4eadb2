#pragma once
// A resource group (area); the pages use its name.

#include <JSONStruct/ProtocolExport.h>

#include <JSONStruct/Core/IReturnData.h>
#include <JSONStruct/Core/JSONRecord.h>
#include <JSONStruct/accessgroup/Element.h>

#include <cstdint>
#include <string>
#include <vector>

namespace protocol {

class Group : public JSONRecord<Group, IReturnData>
{
public:
    explicit Group(const cJSON *node = nullptr) { fromJSON(node); }
    PROTOCOL_EXPORT static const FieldList &fields();

    std::string guid;
    std::int32_t sequence = 0;
    std::string name;
    std::int32_t elementType = 0;
    std::vector<Element> elementList;
};

} // namespace protocol
