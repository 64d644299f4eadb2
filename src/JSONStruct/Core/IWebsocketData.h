#pragma once

#include <JSONStruct/ProtocolExport.h>

#include <JSONStruct/Core/IJSONStruct.h>
#include <JSONStruct/Core/SerializationIgnoreItemFeatures.h>

namespace protocol {

/// Body of a server notification; name() is the notification type. The base version
/// returns null. Its ignore settings are an ordinary (non-virtual) base.
class PROTOCOL_EXPORT IWebsocketData : public SerializationIgnoreItemFeatures, public IJSONStruct
{
public:
    void fromJSON(const cJSON *node) override = 0;
    cJSON *toJSON() const override = 0;
    virtual const char *name() const { return nullptr; }
    // Out of line: the vtable and typeinfo then live in the protocol library alone.
    virtual ~IWebsocketData();
};

} // namespace protocol
