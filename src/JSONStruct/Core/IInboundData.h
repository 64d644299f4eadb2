#pragma once

#include <JSONStruct/ProtocolExport.h>

#include <JSONStruct/Core/IJSONStruct.h>
#include <JSONStruct/Core/SerializationIgnoreItemFeatures.h>

#include <string>

namespace protocol {

/// A request record that the component sends. name() is the record's message name in
/// lower camel case ("addAppointment"); check validates the values before sending.
class PROTOCOL_EXPORT IInboundData : public virtual SerializationIgnoreItemFeatures,
                                     public IJSONStruct
{
public:
    void fromJSON(const cJSON *node) override = 0;
    cJSON *toJSON() const override = 0;
    virtual const char *name() const = 0;
    // Out of line: the vtable and typeinfo then live in the protocol library alone.
    virtual ~IInboundData();
    /// True when the values are acceptable; otherwise false with the message of the
    /// first failing validator in error. The default accepts and leaves error alone.
    virtual bool check(std::string & /*error*/) const { return true; }
};

} // namespace protocol
