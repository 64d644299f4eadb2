#pragma once
// The current operator and their rights; an administrator may do everything.

#include <JSONStruct/ProtocolExport.h>

#include <JSONStruct/Core/IReturnData.h>
#include <JSONStruct/Core/JSONRecord.h>
#include <JSONStruct/framework_services/FunctionPermission.h>

#include <cstdint>
#include <string>
#include <vector>

namespace protocol {

class OperatorPermissionData : public JSONRecord<OperatorPermissionData, IReturnData>
{
public:
    explicit OperatorPermissionData(const cJSON *node = nullptr) { fromJSON(node); }
    PROTOCOL_EXPORT static const FieldList &fields();

    std::string userGuid;
    std::string userName;
    bool administrator = false;
    std::vector<FunctionPermission> functionPermissionList;
};

} // namespace protocol
