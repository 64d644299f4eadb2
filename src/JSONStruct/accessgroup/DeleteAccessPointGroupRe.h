#pragma once
// Outcome for one group: "0-0" when it was deleted.

#include <JSONStruct/ProtocolExport.h>

#include <JSONStruct/Core/IReturnData.h>
#include <JSONStruct/Core/JSONRecord.h>

#include <cstdint>
#include <string>

namespace protocol {

class DeleteAccessPointGroupRe : public JSONRecord<DeleteAccessPointGroupRe, IReturnData>
{
public:
    explicit DeleteAccessPointGroupRe(const cJSON *node = nullptr) { fromJSON(node); }
    PROTOCOL_EXPORT static const FieldList &fields();

    std::string guid;
    std::string code;
};

} // namespace protocol
