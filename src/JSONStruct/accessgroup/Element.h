#pragma once
// An element (device, channel or door) of a resource group.

#include <JSONStruct/ProtocolExport.h>

#include <JSONStruct/Core/IReturnData.h>
#include <JSONStruct/Core/JSONRecord.h>
#include <JSONStruct/accessgroup/ElementCapData.h>

#include <cstdint>
#include <string>

namespace protocol {

class Element : public JSONRecord<Element, IReturnData>
{
public:
    explicit Element(const cJSON *node = nullptr) { fromJSON(node); }
    PROTOCOL_EXPORT static const FieldList &fields();

    std::string guid;
    std::string name;
    std::int32_t type = 0;
    std::int32_t sequence = 0;
    bool online = false;
    bool enable = false;
    std::string resourceID;
    std::int32_t resourceNo = 0;
    std::int32_t resourceSubtype = 0;
    std::int32_t batteryPercentage = 0;
    std::string resourceGuid;
    std::string deviceGuid;
    std::string componentID;
    std::string extInfo;
    std::string ip;
    std::string serialNo;
    std::int32_t smartRuleEnable = 0;
    std::string childDevID;
    std::int32_t childDevIndex = 0;
    ElementCapData elementCapData;
};

} // namespace protocol
