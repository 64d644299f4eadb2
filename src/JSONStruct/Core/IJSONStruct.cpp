#include <JSONStruct/Core/IJSONStruct.h>

#include <JSONStruct/Core/IInboundData.h>
#include <JSONStruct/Core/ILPCData.h>
#include <JSONStruct/Core/IReturnData.h>
#include <JSONStruct/Core/IWebsocketData.h>

namespace protocol {

// Records are small: eight buckets hold a typical record's keys without a rehash
// before the first few inserts, and the load factor stays at one.
IJSONStruct::IJSONStruct() : presentKeys(8)
{
    presentKeys.max_load_factor(1.0f);
}

IInboundData::~IInboundData() = default;
IReturnData::~IReturnData() = default;
ILPCData::~ILPCData() = default;
IWebsocketData::~IWebsocketData() = default;

} // namespace protocol
