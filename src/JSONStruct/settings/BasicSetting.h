#pragma once
// Visitor parameters to store: per field [shown, required, locked], booking days and
// reasons.

#include <JSONStruct/ProtocolExport.h>

#include <JSONStruct/Core/IInboundData.h>
#include <JSONStruct/Core/JSONRecord.h>
#include <JSONStruct/settings/VisitReason.h>

#include <cstdint>
#include <string>
#include <vector>

namespace protocol {

class BasicSetting : public JSONRecord<BasicSetting, IInboundData>
{
public:
    explicit BasicSetting(const cJSON *node = nullptr) { fromJSON(node); }
    const char *name() const override { return "basicSetting"; }
    PROTOCOL_EXPORT static const FieldList &fields();

    std::vector<std::int32_t> name_; // key "name"; name() is the record name
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
    std::vector<VisitReason> visitReasonList;
};

} // namespace protocol
