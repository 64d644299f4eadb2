#pragma once
// Person query; the appointment pages use it to find a receptionist by GUID or by name.

#include <JSONStruct/ProtocolExport.h>

#include <JSONStruct/Core/IInboundData.h>
#include <JSONStruct/Core/JSONRecord.h>
#include <JSONStruct/personnel/PersonnelList.h>

#include <cstdint>
#include <string>

namespace protocol {
namespace personnelcommon {

class QueryPerson : public JSONRecord<QueryPerson, IInboundData>
{
public:
    explicit QueryPerson(const cJSON *node = nullptr) { fromJSON(node); }
    const char *name() const override { return "queryPerson"; }
    PROTOCOL_EXPORT static const FieldList &fields();

    std::string queryType;
    std::string sn;
    std::string bindDeviceGuid;
    std::string name_; // key "name"; name() is the record name
    bool sensitive = false;
    PersonnelList personnelList;
};

} // namespace personnelcommon
} // namespace protocol
