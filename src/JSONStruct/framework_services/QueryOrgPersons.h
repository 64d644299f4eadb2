#pragma once
// Persons of an organisation (empty orgGuid: all), optionally with its sub-organisations and a name
// filter (substring).

#include <JSONStruct/ProtocolExport.h>

#include <JSONStruct/Core/IInboundData.h>
#include <JSONStruct/Core/JSONRecord.h>

#include <cstdint>
#include <string>
#include <vector>

namespace protocol {

class QueryOrgPersons : public JSONRecord<QueryOrgPersons, IInboundData>
{
public:
    explicit QueryOrgPersons(const cJSON *node = nullptr) { fromJSON(node); }
    const char *name() const override { return "queryOrgPersons"; }
    PROTOCOL_EXPORT static const FieldList &fields();

    std::string orgGuid;
    bool containChildren = false;
    std::string personName; // key "name"; name() is the record name
    std::int32_t pageNo = 0;
    std::int32_t pageSize = 0;
};

} // namespace protocol
