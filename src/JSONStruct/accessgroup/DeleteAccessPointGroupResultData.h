#pragma once
// Answer of a group delete, one entry per requested id in request order.

#include <JSONStruct/ProtocolExport.h>

#include <JSONStruct/Core/IReturnData.h>
#include <JSONStruct/Core/JSONRecord.h>
#include <JSONStruct/accessgroup/DeleteAccessPointGroupRe.h>

#include <cstdint>
#include <string>
#include <vector>

namespace protocol {

class DeleteAccessPointGroupResultData
    : public JSONRecord<DeleteAccessPointGroupResultData, IReturnData>
{
public:
    explicit DeleteAccessPointGroupResultData(const cJSON *node = nullptr) { fromJSON(node); }
    PROTOCOL_EXPORT static const FieldList &fields();

    std::vector<DeleteAccessPointGroupRe> deleteAccessPointGroupResult;
};

} // namespace protocol
