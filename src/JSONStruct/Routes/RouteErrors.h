#pragma once
// Error codes that travel in ReturnData "code" ("<module>-<code>") and that the backend
// library sets as the thread's last error, with their English texts. Anyone can iterate
// errorTexts() (the component registers them with its error-text manager at start).

#include <array>
#include <cstdint>

namespace protocol {
namespace routes {

/// Module of the management server's (and the host's) answers.
constexpr std::uint32_t kServerModule = 20;
/// Module of the backend library's own failures (nothing reached the server, or its
/// answer could not be used).
constexpr std::uint32_t kCommLayerModule = 68;

/// Codes of kServerModule.
enum ServerError : std::uint32_t {
    ErrUnknownRoute = 1,
    ErrMethodNotAllowed = 2,
    ErrMalformedBody = 3,
    ErrMissingRecord = 4,
    ErrInvalidParameter = 5,
    ErrPageOutOfRange = 6,
    ErrTextTooLong = 7,
    ErrNotFound = 8,
    ErrNameExists = 9,
    ErrAppointmentLimit = 10,
    ErrGroupInUse = 11,
    ErrDefaultGroupExists = 12,
    ErrDeviceOffline = 13,
    ErrDeviceRejected = 14,
    ErrUnsupportedEncryption = 15,
    ErrNoPermission = 16,
    ErrStorageFailed = 17,
    ErrInternal = 18,
};

/// Codes of kCommLayerModule.
enum CommLayerError : std::uint32_t {
    ErrNotInitialised = 1,
    ErrInvalidIdentifier = 2,
    ErrRequestNotBuilt = 3,
    ErrAnswerNotJSON = 4,
    ErrAnswerWrongShape = 5,
    ErrUnexpected = 6,
};

/// "msg" of every successful answer, the host's as well as the server's.
constexpr const char *kSuccessMessage = "success";

struct ErrorText
{
    std::uint32_t module;
    std::uint32_t code;
    const char *text;
};

/// Every code of both modules with its text, in module then code order.
inline const std::array<ErrorText, 24> &errorTexts()
{
    static const std::array<ErrorText, 24> table{{
        {kServerModule, ErrUnknownRoute, "The server does not know this request."},
        {kServerModule, ErrMethodNotAllowed, "The request method is not allowed for this address."},
        {kServerModule, ErrMalformedBody, "The request body is not valid JSON."},
        {kServerModule, ErrMissingRecord, "The request body does not hold the expected record."},
        {kServerModule, ErrInvalidParameter, "A parameter is missing or invalid."},
        {kServerModule, ErrPageOutOfRange, "The page number or page size is out of range."},
        {kServerModule, ErrTextTooLong, "A text is too long."},
        {kServerModule, ErrNotFound, "The object does not exist."},
        {kServerModule, ErrNameExists, "The name is already in use."},
        {kServerModule, ErrAppointmentLimit,
         "The number of appointments has reached its limit of 10000."},
        {kServerModule, ErrGroupInUse, "The access-point group is used by an appointment."},
        {kServerModule, ErrDefaultGroupExists,
         "Another access-point group is already the default group."},
        {kServerModule, ErrDeviceOffline, "The device is offline."},
        {kServerModule, ErrDeviceRejected, "The device rejected the request."},
        {kServerModule, ErrUnsupportedEncryption, "The encryption type is not supported."},
        {kServerModule, ErrNoPermission, "The operator has no permission for this operation."},
        {kServerModule, ErrStorageFailed, "The server could not store the data."},
        {kServerModule, ErrInternal, "The server failed to handle the request."},
        {kCommLayerModule, ErrNotInitialised, "The backend communication is not initialised."},
        {kCommLayerModule, ErrInvalidIdentifier,
         "The identifier is not a 32-digit GUID or a decimal number."},
        {kCommLayerModule, ErrRequestNotBuilt, "The request could not be built."},
        {kCommLayerModule, ErrAnswerNotJSON, "The server's answer is not JSON."},
        {kCommLayerModule, ErrAnswerWrongShape,
         "The server's answer does not hold the expected data."},
        {kCommLayerModule, ErrUnexpected, "The backend call failed unexpectedly."},
    }};
    return table;
}

/// Text of a pair of either module; null for other pairs.
inline const char *errorText(std::uint32_t module, std::uint32_t code)
{
    for (const ErrorText &e : errorTexts()) {
        if (e.module == module && e.code == code)
            return e.text;
    }
    return nullptr;
}

} // namespace routes
} // namespace protocol
