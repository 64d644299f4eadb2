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
    registrar.lpcRequest<GetWndHandleRequestData>("getWndHandle");
    registrar.lpcResponse<GetWndHandleResponseData>("getWndHandle");
    registrar.lpcRequest<ShowWndRequestData>("showWnd");
    registrar.lpcRequest<SwitchUserUpdateFrameRequestData>("switchUserUpdateFrame");
}

} // namespace protocol
