#pragma once
// Basic data of a person; email, phone and remark are left out when empty.

#include <JSONStruct/ProtocolExport.h>

#include <JSONStruct/Core/IReturnData.h>
#include <JSONStruct/Core/JSONRecord.h>

#include <cstdint>
#include <string>

namespace protocol {
namespace personnelcommon {

class Basic : public JSONRecord<Basic, IReturnData>
{
public:
    explicit Basic(const cJSON *node = nullptr) { fromJSON(node); }
    PROTOCOL_EXPORT static const FieldList &fields();

    std::string guid;
    std::string orgGUID;
    std::string name;
    std::int32_t gender = 0;
    std::string sn;
    std::string email;
    std::string phone;
    std::string effectiveTime;
    std::string expireTime;
    std::string amount;
    std::string recharge;
    std::int32_t remainingTimes = 0;
    std::int32_t times = 0;
    std::string remark;
};

} // namespace personnelcommon
} // namespace protocol
