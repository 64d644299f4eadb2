#pragma once
// Stored visitor parameters.

#include <JSONStruct/ProtocolExport.h>

#include <JSONStruct/Core/IReturnData.h>
#include <JSONStruct/Core/JSONRecord.h>
#include <JSONStruct/settings/VisitReasonResult.h>

#include <cstdint>
#include <string>
#include <vector>

namespace protocol {

class QueryBasicSettingResult : public JSONRecord<QueryBasicSettingResult, IReturnData>
{
public:
    explicit QueryBasicSettingResult(const cJSON *node = nullptr) { fromJSON(node); }
    PROTOCOL_EXPORT static const FieldList &fields();

    std::vector<std::int32_t> name;
    std::vector<std::int32_t> gender;
    std::vector<std::int32_t> phone;
    std::vector<std::int32_t> visitExpectTime;
    std::vector<std::int32_t> leaveExpectTime;
    std::vector<std::int32_t> visitReasonID;
    std::vector<std::int32_t> receptionistID;
    std::vector<std::int32_t> organization;
    std::vector<std::int32_t> accessPointGroup;
    std::vector<std::int32_t> accompanyingPersonnelNumber;
    std::vector<std::int32_t> identityType;
    std::vector<std::int32_t> identityCode;
    std::vector<std::int32_t> plateCode;
    std::vector<std::int32_t> company;
    std::vector<std::int32_t> belongings;
    std::vector<std::int32_t> address;
    std::vector<std::int32_t> remark;
    std::int32_t appointmentDay = 0;
    std::vector<VisitReasonResult> visitReasonResultList;
};

} // namespace protocol
