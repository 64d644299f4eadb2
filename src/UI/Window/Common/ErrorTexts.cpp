#include "ErrorTexts.h"

#include <JSONStruct/Routes/RouteErrors.h>

#include <LPC_Client/LPCClient.h>

#include <UiDataController/ErrorInfoMgr.h>

#include <QString>

namespace visitorclient {

namespace {

// Module of the transport's LPC failures (the LPC error is the code) and the pair of an
// answer that is not the JSON it claims to be.
constexpr std::uint32_t kLpcModule = 67;
constexpr std::uint32_t kJsonModule = 1;
constexpr std::uint32_t kUnreadableAnswer = 7;

const ErrorTextEntry kTransportTexts[] = {
    {kLpcModule, lpcclient::LPC_ERROR_NOT_INITIALISED,
     QT_TRANSLATE_NOOP("CErrorInfoMgr", "The link to the client framework is not set up.")},
    {kLpcModule, lpcclient::LPC_ERROR_INVALID_ARGUMENT,
     QT_TRANSLATE_NOOP("CErrorInfoMgr", "The request to the client framework is not valid.")},
    {kLpcModule, lpcclient::LPC_ERROR_NOT_CONNECTED,
     QT_TRANSLATE_NOOP("CErrorInfoMgr", "Not connected to the client framework.")},
    {kLpcModule, lpcclient::LPC_ERROR_ALREADY_CONNECTED,
     QT_TRANSLATE_NOOP("CErrorInfoMgr", "Already connected to the client framework.")},
    {kLpcModule, lpcclient::LPC_ERROR_PATH_TOO_LONG,
     QT_TRANSLATE_NOOP("CErrorInfoMgr", "The address of the client framework is too long.")},
    {kLpcModule, lpcclient::LPC_ERROR_CONNECT_FAILED,
     QT_TRANSLATE_NOOP("CErrorInfoMgr", "The client framework is not running.")},
    {kLpcModule, lpcclient::LPC_ERROR_REFUSED,
     QT_TRANSLATE_NOOP("CErrorInfoMgr", "The client framework refused the connection.")},
    {kLpcModule, lpcclient::LPC_ERROR_TIMEOUT,
     QT_TRANSLATE_NOOP("CErrorInfoMgr", "The request timed out.")},
    {kLpcModule, lpcclient::LPC_ERROR_CONNECTION_LOST,
     QT_TRANSLATE_NOOP("CErrorInfoMgr", "The connection to the client framework was lost.")},
    {kLpcModule, lpcclient::LPC_ERROR_FRAME_TOO_LARGE,
     QT_TRANSLATE_NOOP("CErrorInfoMgr", "The message is too large to be sent.")},
    {kLpcModule, lpcclient::LPC_ERROR_WRITE_FAILED,
     QT_TRANSLATE_NOOP("CErrorInfoMgr", "The request could not be sent to the client framework.")},
    {kLpcModule, lpcclient::LPC_ERROR_WRONG_THREAD,
     QT_TRANSLATE_NOOP("CErrorInfoMgr",
                       "The request was made on a thread that cannot wait for its answer.")},
    {kLpcModule, lpcclient::LPC_ERROR_SERVER_BUSY,
     QT_TRANSLATE_NOOP("CErrorInfoMgr", "The server is busy. Please try again later.")},
    {kLpcModule, lpcclient::LPC_ERROR_HANDLER_FAILED,
     QT_TRANSLATE_NOOP("CErrorInfoMgr", "The client framework failed to handle the request.")},
    {kJsonModule, kUnreadableAnswer,
     QT_TRANSLATE_NOOP("CErrorInfoMgr", "The answer of the server could not be read.")},
};

} // namespace

std::vector<ErrorTextEntry> backendErrorTexts()
{
    std::vector<ErrorTextEntry> entries;
    for (const protocol::routes::ErrorText &e : protocol::routes::errorTexts())
        entries.push_back({e.module, e.code, e.text});
    entries.insert(entries.end(), std::begin(kTransportTexts), std::end(kTransportTexts));
    return entries;
}

void registerErrorTexts()
{
    for (const ErrorTextEntry &e : backendErrorTexts())
        UiDataController::CErrorInfoMgr::registerErrorText(
            static_cast<int>(e.module), static_cast<int>(e.code), QString::fromUtf8(e.text));
}

} // namespace visitorclient
