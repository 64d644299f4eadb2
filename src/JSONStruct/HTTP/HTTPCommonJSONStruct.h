#pragma once
// Return envelope of every HTTP-shaped answer: {"code": "<module>-<code>", "msg", "data"}.

#include <JSONStruct/ProtocolExport.h>

#include <JSONStruct/Core/IReturnData.h>
#include <JSONStruct/Core/JSONText.h>

#include <Base/Error.h>

#include <memory>
#include <string>

namespace protocol {

/// Error code of its text form "<module>-<code>". A text that does not split into
/// exactly two parts at "-" is logged ("Invalid return code. code: [%s].") and gives 0-0;
/// each part reads as a decimal number (leading spaces skipped, stops at the first
/// non-digit, 0 without digits).
PROTOCOL_EXPORT Base::Error::ErrorCode Str2ErrorCode(const std::string &text);
/// "<module>-<code>", e.g. "0-0".
PROTOCOL_EXPORT std::string ErrorCode2Str(const Base::Error::ErrorCode &code);

/// Not a record: no presence tracking, no ignore settings. Short-lived, one thread.
struct PROTOCOL_EXPORT ReturnData
{
    /// data is the answer record that "data" fills; it may be null.
    explicit ReturnData(std::shared_ptr<IReturnData> answer = nullptr);

    /// Reads "code", "msg" and (when data is set) "data" from UTF-8 JSON text. False for
    /// empty text and for text cJSON cannot parse (logged); fields then keep their values.
    /// Missing keys are no failure.
    bool Parse(const std::string &text);
    /// Parse that hands the parsed tree to tree (null when the text does not parse), for
    /// a caller that reads more of the answer than its envelope.
    bool Parse(const std::string &text, JSONNodePtr &tree);
    /// Formatted JSON: "code", "msg", then "data" when data is set; "" when building fails.
    std::string toString() const;

    Base::Error::ErrorCode code;
    std::string msg;
    std::shared_ptr<IReturnData> data;
};

} // namespace protocol
