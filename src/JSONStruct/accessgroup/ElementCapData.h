#pragma once
// Capabilities of an element.

#include <JSONStruct/ProtocolExport.h>

#include <JSONStruct/Core/IReturnData.h>
#include <JSONStruct/Core/JSONRecord.h>

#include <cstdint>
#include <string>

namespace protocol {

class ElementCapData : public JSONRecord<ElementCapData, IReturnData>
{
public:
    explicit ElementCapData(const cJSON *node = nullptr) { fromJSON(node); }
    PROTOCOL_EXPORT static const FieldList &fields();

    bool supportTextSearch = false;
};

} // namespace protocol
