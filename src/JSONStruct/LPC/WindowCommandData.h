#pragma once
// Payloads of the framework's window commands ("getWndHandle", "showWnd",
// "switchUserUpdateFrame"), carried in the "data" member of the LPC envelopes.

#include <JSONStruct/Core/ILPCData.h>
#include <JSONStruct/Core/JSONRecord.h>

#include <cstdint>
#include <string>

namespace protocol {

class RecordRegistrar;

/// Request of "getWndHandle": which window ("VisitorApplication", ...) of which type.
class GetWndHandleRequestData : public JSONRecord<GetWndHandleRequestData, ILPCData>
{
public:
    explicit GetWndHandleRequestData(const cJSON *node = nullptr) { fromJSON(node); }
    const char *name() const override { return "getWndHandle"; }
    static const FieldList &fields();

    std::int32_t type = 0;
    std::string id;
};

/// Answer of "getWndHandle": the native window identifier, -1 when there is none.
class GetWndHandleResponseData : public JSONRecord<GetWndHandleResponseData, ILPCData>
{
public:
    explicit GetWndHandleResponseData(const cJSON *node = nullptr) { fromJSON(node); }
    const char *name() const override { return "getWndHandle"; }
    static const FieldList &fields();

    std::int32_t wndId = 0;
};

/// Request of "showWnd".
class ShowWndRequestData : public JSONRecord<ShowWndRequestData, ILPCData>
{
public:
    explicit ShowWndRequestData(const cJSON *node = nullptr) { fromJSON(node); }
    const char *name() const override { return "showWnd"; }
    static const FieldList &fields();

    std::int32_t type = 0;
    std::string id;
};

/// Request of "switchUserUpdateFrame"; the component refreshes whatever the flag says.
class SwitchUserUpdateFrameRequestData : public JSONRecord<SwitchUserUpdateFrameRequestData, ILPCData>
{
public:
    explicit SwitchUserUpdateFrameRequestData(const cJSON *node = nullptr) { fromJSON(node); }
    const char *name() const override { return "switchUserUpdateFrame"; }
    static const FieldList &fields();

    bool updateFrame = false;
};

/// Registers the four payloads above with the record factory.
void registerWindowCommandRecords(RecordRegistrar &registrar);

} // namespace protocol
