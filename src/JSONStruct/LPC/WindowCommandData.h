#pragma once
// Payloads of the framework's window commands ("getWndHandle", "showWnd",
// "switchUserUpdateFrame"), carried in the "data" member of the LPC envelopes.

#include <JSONStruct/ProtocolExport.h>

#include <JSONStruct/Core/ILPCData.h>
#include <JSONStruct/Core/JSONRecord.h>
#include <JSONStruct/Routes/WireNames.h>

#include <cstdint>
#include <string>

namespace protocol {

class RecordRegistrar;

/// Request of "getWndHandle": which window ("VisitorApplication", ...) of which type.
class GetWndHandleRequestData : public JSONRecord<GetWndHandleRequestData, ILPCData>
{
public:
    explicit GetWndHandleRequestData(const cJSON *node = nullptr) { fromJSON(node); }
    const char *name() const override { return wire::kMethodGetWndHandle; }
    PROTOCOL_EXPORT static const FieldList &fields();

    std::int32_t type = 0;
    std::string id;
};

/// Answer of "getWndHandle": the native window identifier, -1 when there is none.
class GetWndHandleResponseData : public JSONRecord<GetWndHandleResponseData, ILPCData>
{
public:
    explicit GetWndHandleResponseData(const cJSON *node = nullptr) { fromJSON(node); }
    const char *name() const override { return wire::kMethodGetWndHandle; }
    PROTOCOL_EXPORT static const FieldList &fields();

    std::int32_t wndId = 0;
};

/// Request of "showWnd".
class ShowWndRequestData : public JSONRecord<ShowWndRequestData, ILPCData>
{
public:
    explicit ShowWndRequestData(const cJSON *node = nullptr) { fromJSON(node); }
    const char *name() const override { return wire::kMethodShowWnd; }
    PROTOCOL_EXPORT static const FieldList &fields();

    std::int32_t type = 0;
    std::string id;
};

/// Request of "switchUserUpdateFrame"; the component refreshes whatever the flag says.
class SwitchUserUpdateFrameRequestData : public JSONRecord<SwitchUserUpdateFrameRequestData, ILPCData>
{
public:
    explicit SwitchUserUpdateFrameRequestData(const cJSON *node = nullptr) { fromJSON(node); }
    const char *name() const override { return wire::kMethodSwitchUserUpdateFrame; }
    PROTOCOL_EXPORT static const FieldList &fields();

    bool updateFrame = false;
};

/// Registers the four payloads above with the record factory.
PROTOCOL_EXPORT void registerWindowCommandRecords(RecordRegistrar &registrar);

} // namespace protocol
