#pragma once
// Start and end of the backend-communication library. Every operation of the library
// (AppointmentComm, BasicSettingComm, ...) blocks its calling thread, may be called
// from any thread, returns true when its answer record is filled and otherwise false
// with Base::Error's last error set: module 67 or 1 from the transport, the server's
// "<module>-<code>" (protocol::routes::kServerModule), or the library's own
// protocol::routes::kCommLayerModule codes (not initialised, bad identifier, unusable
// answer). On false the answer record is left untouched, so a default-constructed one
// stays default. No exception leaves the library.

#include <CommunicationLayer/CommunicationLayerExport.h>

#include <CommunicationLayer/IHTTPClient.h>

#include <cstdint>
#include <map>
#include <memory>
#include <string>

namespace commlayer {

struct COMMUNICATIONLAYER_EXPORT CommunicationLayerInitParams
{
    /// The transport; the library keeps it until CommunicationLayerUnInit (and calls
    /// already running keep it alive until they return).
    std::shared_ptr<IHTTPClient> httpClient;
    /// Time-out of one attempt, in milliseconds.
    std::int32_t timeout = 30000;
    /// Whether requests refused by a busy peer are tried again (by the transport).
    bool retryWhenBusy = true;
    /// Headers added to every request (RequestParams::commonHeaders).
    std::map<std::string, std::string> commonHeaders;
};

/// Stores the transport; a second call replaces it. False (last error 68-1) without a
/// transport. Any thread.
COMMUNICATIONLAYER_EXPORT bool CommunicationLayerInit(const CommunicationLayerInitParams &params);
/// Forgets the transport; later operations fail with last error 68-1. Safe to call
/// more than once.
COMMUNICATIONLAYER_EXPORT void CommunicationLayerUnInit();
/// Whether a transport is stored.
COMMUNICATIONLAYER_EXPORT bool CommunicationLayerIsInit();

} // namespace commlayer
