#include <JSONStruct/WebSocket/WebSocketCommonJSONStruct.h>

#include <JSONStruct/Core/JSONFieldRules.h>
#include <JSONStruct/Core/JSONText.h>
#include <JSONStruct/Core/RecordFactory.h>
#include <JSONStruct/Routes/WireNames.h>

#include <Base/Log.h>

#include <cjson/cJSON.h>

#include <utility>

namespace protocol {

using namespace wire::key;

WebSocketNotifyData::WebSocketNotifyData(std::shared_ptr<IWebsocketData> body) : data(std::move(body))
{
}

bool WebSocketNotifyData::Parse(const std::string &text)
{
    if (text.empty())
        return false;
    const char *errorAt = nullptr;
    const JSONNodePtr root = parseJSONText(text, errorAt);
    if (!root) {
        LOG_ERROR("Failed to cJSON_Parse( [%s] ). Error info: [%s].", text.c_str(), errorAt);
        return false;
    }
    if (const cJSON *member = fieldrules::findMember(root.get(), kGuid))
        guid = fieldrules::readString(member);
    if (const cJSON *member = fieldrules::findMember(root.get(), kType))
        type = fieldrules::readString(member);
    if (const cJSON *member = fieldrules::findMember(root.get(), kData)) {
        if (!data && !type.empty())
            data = RecordFactory::instance().createShared<IWebsocketData>(type, RecordFactory::Notification);
        if (data)
            data->fromJSON(member);
    }
    return true;
}

std::string WebSocketNotifyData::toString() const
{
    JSONNodePtr root(cJSON_CreateObject());
    if (!root || !addMember(root.get(), kGuid, fieldrules::writeString(guid)) ||
        !addMember(root.get(), kType, fieldrules::writeString(type)))
        return std::string();
    return printWithRecord(std::move(root), kData, data.get());
}

} // namespace protocol
