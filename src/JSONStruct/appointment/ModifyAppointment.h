#pragma once
// Request of a change: the appointment id followed by the fields of an add.

#include <JSONStruct/ProtocolExport.h>

#include <JSONStruct/Core/IInboundData.h>
#include <JSONStruct/Core/JSONRecord.h>

#include <cstdint>
#include <string>

namespace protocol {

class ModifyAppointment : public JSONRecord<ModifyAppointment, IInboundData>
{
public:
    explicit ModifyAppointment(const cJSON *node = nullptr) { fromJSON(node); }
    const char *name() const override { return "modifyAppointment"; }
    PROTOCOL_EXPORT static const FieldList &fields();

    std::string guid;
    std::string name_; // key "name"; name() is the record name
    std::int32_t gender = 0;
    std::string phone;
    std::string visitExpectTime;
    std::string leaveExpectTime;
    std::string visitReasonID;
    std::string visitReason;
    std::string receptionistID;
    std::string receptionistName;
    std::string receptionistNumber;
    std::string receptionistDepartment;
    std::string accessPointGroup;
    std::int32_t accompanyingPersonnelNumber = 0;
    std::int32_t identityType = 0;
    std::string identityCode;
    std::string plateCode;
    std::string Company;
    std::string belongings;
    std::string address;
    std::string remark;
};

} // namespace protocol
