#pragma once

#include <JSONStruct/ProtocolExport.h>

#include <JSONStruct/Core/IJSONStruct.h>
#include <JSONStruct/Core/SerializationIgnoreItemFeatures.h>

namespace protocol {

/// Payload of an LPC method call or its answer; name() is the LPC method ("showWnd").
/// The base version returns null.
class PROTOCOL_EXPORT ILPCData : public virtual SerializationIgnoreItemFeatures, public IJSONStruct
{
public:
    void fromJSON(const cJSON *node) override = 0;
    cJSON *toJSON() const override = 0;
    virtual const char *name() const { return nullptr; }
    // Out of line: the vtable and typeinfo then live in the protocol library alone.
    virtual ~ILPCData();
};

} // namespace protocol
