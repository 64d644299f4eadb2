#pragma once
// One stored appointment as a single-appointment query returns it.

#include <JSONStruct/ProtocolExport.h>

#include <JSONStruct/Core/IReturnData.h>
#include <JSONStruct/Core/JSONRecord.h>

#include <cstdint>
#include <string>

namespace protocol {

class QueryAppointment : public JSONRecord<QueryAppointment, IReturnData>
{
public:
    explicit QueryAppointment(const cJSON *node = nullptr) { fromJSON(node); }
    PROTOCOL_EXPORT static const FieldList &fields();

    std::string guid;
    std::string name;
    std::int32_t gender = 0;
    std::string phone;
    std::string visitExpectTime;
    std::string leaveExpectTime;
    std::string visitReasonID;
    std::string receptionistID;
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
