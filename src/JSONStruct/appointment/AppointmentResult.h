#pragma once
// One appointment as the server lists it. receptionistID is written before
// visitReasonName.

#include <JSONStruct/ProtocolExport.h>

#include <JSONStruct/Core/IReturnData.h>
#include <JSONStruct/Core/JSONRecord.h>

#include <cstdint>
#include <string>

namespace protocol {

class AppointmentResult : public JSONRecord<AppointmentResult, IReturnData>
{
public:
    explicit AppointmentResult(const cJSON *node = nullptr) { fromJSON(node); }
    PROTOCOL_EXPORT static const FieldList &fields();

    std::string appointmentID;
    std::string name;
    std::int32_t gender = 0;
    std::string phone;
    std::string visitExpectTime;
    std::string leaveExpectTime;
    std::string visitReasonID;
    std::string receptionistID;
    std::string visitReasonName;
    std::string receptionistName;
    std::string receptionistNumber;
    std::string receptionistDepartment;
    std::string visitGroupGuid;
    std::int32_t accompanyingPersonnelNumber = 0;
    std::int32_t identityType = 0;
    std::string identityCode;
    std::string plateCode;
    std::string Company;
    std::string belongings;
    std::string address;
    std::string remark;
    std::string authCode;
};

} // namespace protocol
