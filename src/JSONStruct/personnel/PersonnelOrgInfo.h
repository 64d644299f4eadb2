#pragma once
// The person's organisation as a path text.

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
    static const FieldList &fields();

    std::string path;
};

} // namespace personnelcommon
} // namespace protocol
