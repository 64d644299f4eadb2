#pragma once
// The names on the wire between the framework host and the component, defined once for
// both sides (and for the LPC client library, which imitates one host call): LPC
// identities, header keys and protocols, LPC methods, window names and envelope keys.
// The numbers of the link are in lpc_status/LPCStatus.h, the route table and the JSON
// content type in Routes.h, the answer codes and their texts in RouteErrors.h.

namespace protocol {
namespace wire {

/// The framework host's LPC server, and the identity the component connects with.
constexpr const char *kFrameworkServerName =
    "Qorva-7310_ClientFramework_LPCServer_7F0AA04D76F64B58AB20037B4D99073F";
constexpr const char *kComponentIdentity = "VisitorManagement.C_50476d36394c4e098ce21c4a4610e8b5";

/// Header keys of LPC messages. "url" empty: an LPC call rather than an HTTP request.
constexpr const char *kHeaderUrl = "url";
/// The LPC method of a call, or the decimal method code of an HTTP-shaped request.
constexpr const char *kHeaderMethod = "method";
constexpr const char *kHeaderProtocol = "protocol";
constexpr const char *kHeaderTimeout = "timeout";
constexpr const char *kHeaderContentType = "Content-Type";

/// Values of the "protocol" header.
constexpr const char *kProtocolLpc = "lpc";
constexpr const char *kProtocolHttp = "http";
constexpr const char *kProtocolWebsocket = "websocket";

/// LPC methods the host calls on the component.
constexpr const char *kMethodGetWndHandle = "getWndHandle";
constexpr const char *kMethodShowWnd = "showWnd";
constexpr const char *kMethodSwitchUserUpdateFrame = "switchUserUpdateFrame";
constexpr const char *kMethodClientDisconnected = "clientDisconnected";
constexpr const char *kMethodComponentUninit = "componentUninit";
/// The component's notification once it is ready.
constexpr const char *kMethodInitFinish = "initFinish";

/// Window names of "getWndHandle" and "showWnd".
constexpr const char *kWindowVisitorApplication = "VisitorApplication";
constexpr const char *kWindowTemplateToolMenu = "TemplateToolMenu";
constexpr const char *kWindowTemplateMaintain = "TemplateMaintain";

/// Keys of the envelopes: ReturnData {code, msg, data}, LPCRequestData {method, data},
/// LPCResponseData {errorCode, errorModule, method, data}, WebSocketNotifyData
/// {guid, type, data}.
namespace key {
constexpr const char *kCode = "code";
constexpr const char *kMsg = "msg";
constexpr const char *kData = "data";
constexpr const char *kMethod = "method";
constexpr const char *kErrorCode = "errorCode";
constexpr const char *kErrorModule = "errorModule";
constexpr const char *kGuid = "guid";
constexpr const char *kType = "type";
} // namespace key

} // namespace wire
} // namespace protocol
