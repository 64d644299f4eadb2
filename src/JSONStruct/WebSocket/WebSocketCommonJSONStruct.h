#pragma once
// Envelope of the server notifications that the framework forwards.

#include <JSONStruct/ProtocolExport.h>

#include <JSONStruct/Core/IWebsocketData.h>

#include <memory>
#include <string>

namespace protocol {

/// {"guid", "type", "data"}. Not a record: no presence tracking, no ignore settings.
struct PROTOCOL_EXPORT WebSocketNotifyData
{
    /// guid and type start empty.
    explicit WebSocketNotifyData(std::shared_ptr<IWebsocketData> body = nullptr);

    /// Reads "guid", "type" and "data". Without a body, "data" is read into the record
    /// the factory registers for (type, 2) when that is an IWebsocketData; an unknown
    /// type leaves data null. False for empty or unparsable text (logged).
    bool Parse(const std::string &text);
    /// Formatted JSON: "guid", "type", then "data" when data is set; "" when building fails.
    std::string toString() const;

    std::string guid;
    std::string type;
    std::shared_ptr<IWebsocketData> data;
};

} // namespace protocol
