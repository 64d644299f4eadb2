#pragma once
// GUIDs of the persons a query asks for.

#include <JSONStruct/ProtocolExport.h>

#include <JSONStruct/Core/IInboundData.h>
#include <JSONStruct/Core/JSONRecord.h>

#include <cstdint>
#include <string>
#include <vector>

namespace protocol {
namespace personnelcommon {

class PersonnelList : public JSONRecord<PersonnelList, IInboundData>
{
public:
    explicit PersonnelList(const cJSON *node = nullptr) { fromJSON(node); }
    const char *name() const override { return "personnelList"; }
    PROTOCOL_EXPORT static const FieldList &fields();

    std::vector<std::string> guidList;
};

} // namespace personnelcommon
} // namespace protocol
