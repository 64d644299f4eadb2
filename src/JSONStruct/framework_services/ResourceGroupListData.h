#pragma once
// Every resource group in display order.

#include <JSONStruct/ProtocolExport.h>

#include <JSONStruct/Core/IReturnData.h>
#include <JSONStruct/Core/JSONRecord.h>
#include <JSONStruct/framework_services/ResourceGroupNode.h>

#include <cstdint>
#include <string>
#include <vector>

namespace protocol {

class ResourceGroupListData : public JSONRecord<ResourceGroupListData, IReturnData>
{
public:
    explicit ResourceGroupListData(const cJSON *node = nullptr) { fromJSON(node); }
    PROTOCOL_EXPORT static const FieldList &fields();

    std::vector<ResourceGroupNode> resourceGroupList;
};

} // namespace protocol
