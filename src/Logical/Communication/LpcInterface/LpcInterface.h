#pragma once
// The component's only connection to the framework: the LPC client, the callback through
// which every call arrives, and the backend library's HTTP-over-LPC transport.

#include <JSONStruct/Routes/WireNames.h>

#include <LPC_Client/LPCData.h>

#include <Base/Singleton.h>

#include <cstdint>

namespace visitorclient {

/// LPC client identity and the framework's LPC server name.
constexpr const char *kLpcClientIdentity = protocol::wire::kComponentIdentity;
constexpr const char *kLpcServerName = protocol::wire::kFrameworkServerName;

class CLpcInterface : public Base::CSingleton<CLpcInterface>
{
    friend class Base::CSingleton<CLpcInterface>;

public:
    /// Init, connect, install the callback, start the backend library; stops at the first
    /// failure (logged) and returns false.
    bool lpcInit();
    /// Takes every step down, each tried even when an earlier one failed. Safe twice.
    void lpcUnInit();

    bool lpcReply(const lpcclient::tag_LPCReplyData &reply);
    bool lpcNotify(const lpcclient::tag_LPCNotifyData &notify);
    bool lpcSend(lpcclient::tag_LPCResponseData &response, const lpcclient::tag_LPCRequestData &request,
                 std::uint64_t requestId, int timeout);
    bool lPCSend(const lpcclient::tag_LPCRequestData &request);

private:
    CLpcInterface() = default;
};

/// Runs on the LPC library's reader thread: copies the call into a task for a pool and
/// returns at once. Always true.
bool invokeCallBack(const lpcclient::tag_LPCCallBackData &data, void *userData);

} // namespace visitorclient
