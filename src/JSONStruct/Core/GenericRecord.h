#pragma once
// Record for a registered name whose body this component does not interpret: it
// accepts any body, keeps a copy and prints it again (minus ignored top-level keys).

#include <JSONStruct/ProtocolExport.h>

#include <JSONStruct/Core/ILPCData.h>
#include <JSONStruct/Core/IWebsocketData.h>

namespace protocol {

template <class Interface> class PROTOCOL_EXPORT GenericRecord final : public Interface
{
public:
    /// registeredName must have static storage; it is what name() returns.
    explicit GenericRecord(const char *registeredName = nullptr, const cJSON *node = nullptr);
    GenericRecord(const GenericRecord &other);
    GenericRecord &operator=(const GenericRecord &other);
    ~GenericRecord() override;

    /// Replaces the kept body by a copy of node and marks its top-level keys present.
    void fromJSON(const cJSON *node) override;
    /// A copy of the kept body, or an empty object when none was read.
    cJSON *toJSON() const override;
    const char *name() const override { return m_name; }

    /// The kept body (null before the first fromJSON).
    const cJSON *body() const { return m_body; }

private:
    const char *m_name = nullptr;
    cJSON *m_body = nullptr;
};

/// The two flavours the envelopes accept: LPC payloads and notification bodies.
using GenericLPCData = GenericRecord<ILPCData>;
using GenericWebsocketData = GenericRecord<IWebsocketData>;

extern template class GenericRecord<ILPCData>;
extern template class GenericRecord<IWebsocketData>;

} // namespace protocol
