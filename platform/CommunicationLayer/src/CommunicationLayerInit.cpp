#include <CommunicationLayer/CommunicationLayerInit.h>

#include "Session.h"

#include <JSONStruct/Routes/RouteErrors.h>

#include <Base/Error.h>
#include <Base/Log.h>

#include <mutex>

namespace commlayer {

namespace {

struct SessionStore
{
    std::mutex mutex;
    bool initialised = false;
    CommunicationLayerInitParams params;
};

// Function-local so that it exists before any caller, whatever the static init order.
SessionStore &store()
{
    static SessionStore instance;
    return instance;
}

} // namespace

// Out of line: the transport interface's vtable and typeinfo live in this library alone.
IHTTPClient::~IHTTPClient() = default;

bool CommunicationLayerInit(const CommunicationLayerInitParams &params)
{
    if (!params.httpClient) {
        Base::Error::SetLastError(protocol::routes::kCommLayerModule,
                                  protocol::routes::ErrNotInitialised);
        LOG_ERROR("Failed to init the communication layer: no HTTP client.");
        return false;
    }
    SessionStore &s = store();
    std::lock_guard<std::mutex> lock(s.mutex);
    s.params = params;
    s.initialised = true;
    LOG_INFO("CommunicationLayerInit Success.");
    return true;
}

void CommunicationLayerUnInit()
{
    CommunicationLayerInitParams old;
    {
        SessionStore &s = store();
        std::lock_guard<std::mutex> lock(s.mutex);
        if (!s.initialised)
            return;
        old = std::move(s.params);
        s.params = CommunicationLayerInitParams();
        s.initialised = false;
    }
    // The transport may be released here, outside the lock, once running calls end.
    old.httpClient.reset();
    LOG_INFO("CommunicationLayerUnInit Success.");
}

bool CommunicationLayerIsInit()
{
    SessionStore &s = store();
    std::lock_guard<std::mutex> lock(s.mutex);
    return s.initialised;
}

namespace detail {

bool currentSession(CommunicationLayerInitParams &params)
{
    SessionStore &s = store();
    std::lock_guard<std::mutex> lock(s.mutex);
    if (!s.initialised)
        return false;
    params = s.params;
    return true;
}

} // namespace detail
} // namespace commlayer
