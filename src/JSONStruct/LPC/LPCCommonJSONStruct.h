#pragma once
// Envelopes of the LPC commands exchanged with the client framework.

#include <JSONStruct/ProtocolExport.h>

#include <JSONStruct/Core/ILPCData.h>

#include <cstdint>
#include <memory>
#include <string>

namespace protocol {

/// {"method", "data"}. Not a record: no presence tracking, no ignore settings.
struct PROTOCOL_EXPORT LPCRequestData
{
    /// method starts as payload->name() when the payload has a name.
    explicit LPCRequestData(std::shared_ptr<ILPCData> payload = nullptr);

    /// Reads "method" and "data". Without a payload, "data" is read into the record the
    /// factory registers for (method, 0) when that is an ILPCData; an unknown method
    /// leaves data null. False for empty or unparsable text (logged).
    bool Parse(const std::string &text);
    /// Formatted JSON: "method", then "data" when data is set; "" when building fails.
    std::string toString() const;

    std::string method;
    std::shared_ptr<ILPCData> data;
};

/// {"errorCode", "errorModule", "method", "data"}; the payload comes from (method, 1).
struct PROTOCOL_EXPORT LPCResponseData
{
    explicit LPCResponseData(std::shared_ptr<ILPCData> payload = nullptr);

    bool Parse(const std::string &text);
    std::string toString() const;

    std::int32_t errorCode = 0;
    std::int32_t errorModule = 0;
    std::string method;
    std::shared_ptr<ILPCData> data;
};

} // namespace protocol
