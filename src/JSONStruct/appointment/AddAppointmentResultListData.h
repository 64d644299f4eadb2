#pragma once
// Answer of an add, one element per submitted appointment in request order.

#include <JSONStruct/ProtocolExport.h>

#include <JSONStruct/Core/IReturnData.h>
#include <JSONStruct/Core/JSONRecord.h>
#include <JSONStruct/appointment/AddAppointmentResult.h>

#include <cstdint>
#include <string>
#include <vector>

namespace protocol {

class AddAppointmentResultListData : public JSONRecord<AddAppointmentResultListData, IReturnData>
{
public:
    explicit AddAppointmentResultListData(const cJSON *node = nullptr) { fromJSON(node); }
    PROTOCOL_EXPORT static const FieldList &fields();

    std::vector<AddAppointmentResult> addAppointmentResultList;
};

} // namespace protocol
