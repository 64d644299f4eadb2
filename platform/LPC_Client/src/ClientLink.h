#pragma once
// The process-wide client side of the link behind the lpcclient functions. Every
// operation returns an LPCError number (0 on success).

#include <LPC_Client/LPCClient.h>

#include <boost/asio/io_context.hpp>

#include <atomic>
#include <cstdint>
#include <memory>
#include <mutex>
#include <string>

namespace lpcclient {
namespace details {

struct Connection;

class CClientLink
{
public:
    CClientLink();
    ~CClientLink();
    CClientLink(const CClientLink &) = delete;
    CClientLink &operator=(const CClientLink &) = delete;

    static CClientLink &instance();

    int init(const std::string &identity, bool replaceExisting);
    int connect(const std::string &serverName, int welcomeTimeoutMs);
    int setCallback(InvokeCallBack callback, void *userData);
    int disconnect();
    int uninit();

    int reply(const tag_LPCReplyData &reply);
    int notify(const tag_LPCNotifyData &notify);
    /// Fire-and-forget request; requestId receives its identity.
    int send(const tag_LPCRequestData &request, std::uint64_t &requestId);
    int sendEx(tag_LPCResponseData &response, const tag_LPCRequestData &request,
               std::uint64_t &requestId, int timeoutMs);

private:
    std::shared_ptr<Connection> current(int &error);
    // Takes the connection out of the link, stops it and joins its reader thread.
    void retire(std::shared_ptr<Connection> conn);
    void readLoop(const std::shared_ptr<Connection> &conn);
    void deliver(const tag_LPCCallBackData &data);

    boost::asio::io_context m_io;
    std::mutex m_stateMutex; // identity, flags and the current connection
    bool m_initialised = false;
    std::string m_identity;
    bool m_replaceExisting = false;
    std::shared_ptr<Connection> m_connection;

    // Held while the callback runs, so that removing it waits for a running call.
    // Recursive: the callback itself may replace the callback.
    std::recursive_mutex m_callbackMutex;
    InvokeCallBack m_callback = nullptr;
    void *m_userData = nullptr;

    std::atomic<std::uint64_t> m_nextRequestId{1};
};

} // namespace details
} // namespace lpcclient
