#pragma once
// The person's organisation as a path text.

#include <JSONStruct/ProtocolExport.h>

#include <JSONStruct/Core/IReturnData.h>
#include <JSONStruct/Core/JSONRecord.h>

#include <cstdint>
#include <string>

namespace protocol {
namespace personnelcommon {

class PersonnelOrgInfo : public JSONRecord<PersonnelOrgInfo, IReturnData>
{
public:
    explicit PersonnelOrgInfo(const cJSON *node = nullptr) { fromJSON(node); }
    PROTOCOL_EXPORT static const FieldList &fields();

    std::string path;
};

} // namespace personnelcommon
} // namespace protocol
