#pragma once
// One page of persons.

#include <JSONStruct/ProtocolExport.h>

#include <JSONStruct/Core/IReturnData.h>
#include <JSONStruct/Core/JSONRecord.h>
#include <JSONStruct/framework_services/PersonNode.h>

#include <cstdint>
#include <string>
#include <vector>

namespace protocol {

class PersonListData : public JSONRecord<PersonListData, IReturnData>
{
public:
    explicit PersonListData(const cJSON *node = nullptr) { fromJSON(node); }
    PROTOCOL_EXPORT static const FieldList &fields();

    std::int32_t total = 0;
    std::int32_t pageNo = 0;
    std::int32_t pageSize = 0;
    std::vector<PersonNode> personList;
};

} // namespace protocol
