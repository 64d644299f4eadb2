#pragma once

#include <JSONStruct/ProtocolExport.h>

#include <JSONStruct/Core/IJSONStruct.h>
#include <JSONStruct/Core/SerializationIgnoreItemFeatures.h>

namespace protocol {

/// An answer record that the backend returns in the "data" member of ReturnData.
class PROTOCOL_EXPORT IReturnData : public virtual SerializationIgnoreItemFeatures,
                                    public IJSONStruct
{
public:
    void fromJSON(const cJSON *node) override = 0;
    cJSON *toJSON() const override = 0;
    // Out of line: the vtable and typeinfo then live in the protocol library alone.
    virtual ~IReturnData();
};

} // namespace protocol
