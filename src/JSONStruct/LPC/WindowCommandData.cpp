#include <JSONStruct/LPC/WindowCommandData.h>

#include <JSONStruct/Core/RecordFactory.h>

namespace protocol {

const GetWndHandleRequestData::FieldList &GetWndHandleRequestData::fields()
{
    static const FieldList list{
        field<&Self::type>("type"),
        field<&Self::id>("id"),
    };
    return list;
}

const GetWndHandleResponseData::FieldList &GetWndHandleResponseData::fields()
{
    static const FieldList list{
        field<&Self::wndId>("wndId"),
    };
    return list;
}

const ShowWndRequestData::FieldList &ShowWndRequestData::fields()
{
    static const FieldList list{
        field<&Self::type>("type"),
        field<&Self::id>("id"),
    };
    return list;
}

const SwitchUserUpdateFrameRequestData::FieldList &SwitchUserUpdateFrameRequestData::fields()
{
    static const FieldList list{
        field<&Self::updateFrame>("updateFrame"),
    };
    return list;
}

void registerWindowCommandRecords(RecordRegistrar &registrar)
{
    registrar.lpcRequest<GetWndHandleRequestData>(wire::kMethodGetWndHandle);
    registrar.lpcResponse<GetWndHandleResponseData>(wire::kMethodGetWndHandle);
    registrar.lpcRequest<ShowWndRequestData>(wire::kMethodShowWnd);
    registrar.lpcRequest<SwitchUserUpdateFrameRequestData>(wire::kMethodSwitchUserUpdateFrame);
}

} // namespace protocol
