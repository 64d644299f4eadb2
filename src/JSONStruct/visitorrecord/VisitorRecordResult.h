#pragma once
// One visitor record. "ORCodeEnabled" is spelled with the letter O on the wire.

#include <JSONStruct/ProtocolExport.h>

#include <JSONStruct/Core/IReturnData.h>
#include <JSONStruct/Core/JSONRecord.h>
#include <JSONStruct/visitorrecord/VisitGroup.h>

#include <cstdint>
#include <string>
#include <vector>

namespace protocol {

class VisitorRecordResult : public JSONRecord<VisitorRecordResult, IReturnData>
{
public:
    explicit VisitorRecordResult(const cJSON *node = nullptr) { fromJSON(node); }
    PROTOCOL_EXPORT static const FieldList &fields();

    std::string guid;
    std::string name;
    std::int32_t gender = 0;
    std::string phone;
    std::string cardNo;
    std::string visitTime;
    std::string leaveTime;
    std::string visitReasonID;
    std::string visitReasonName;
    std::string orgPath;
    std::string receptionistID;
    std::string receptionistName;
    std::vector<VisitGroup> visitGroupList;
    std::int32_t accompanyingPersonnelNumber = 0;
    std::int32_t identityType = 0;
    std::string identityCode;
    std::string plateCode;
    std::string Company;
    std::string belongings;
    std::string address;
    std::string remark;
    std::int32_t state = 0;
    std::int32_t ORCodeEnabled = 0;
    std::string authCode;
    std::string authType;
    std::string appointmentVisitTime;
    std::string appointmentLeaveTime;
    std::string registerType;
    std::string registerStatus;
    std::int32_t DownloadResult = 0;
    std::string faceImageUrl;
    std::int32_t QuickRegister = 0;
};

} // namespace protocol
