#pragma once
// The operations an operator may perform on one function number.

#include <JSONStruct/ProtocolExport.h>

#include <JSONStruct/Core/IReturnData.h>
#include <JSONStruct/Core/JSONRecord.h>

#include <cstdint>
#include <string>
#include <vector>

namespace protocol {

class FunctionPermission : public JSONRecord<FunctionPermission, IReturnData>
{
public:
    explicit FunctionPermission(const cJSON *node = nullptr) { fromJSON(node); }
    PROTOCOL_EXPORT static const FieldList &fields();

    std::int32_t function = 0;
    std::vector<std::int32_t> operationList;
};

} // namespace protocol
