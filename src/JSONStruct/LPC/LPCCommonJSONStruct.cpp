#include <JSONStruct/LPC/LPCCommonJSONStruct.h>

#include <JSONStruct/Core/JSONFieldRules.h>
#include <JSONStruct/Core/JSONText.h>
#include <JSONStruct/Core/RecordFactory.h>
#include <JSONStruct/Routes/WireNames.h>

#include <Base/Log.h>

#include <cjson/cJSON.h>

#include <utility>

namespace protocol {

namespace {

using namespace wire::key;

std::string payloadName(const std::shared_ptr<ILPCData> &payload)
{
    const char *name = payload ? payload->name() : nullptr;
    return name ? std::string(name) : std::string();
}

// Reads "data" into data, creating the payload of (method, kind) when there is none.
void readPayload(const cJSON *root, const std::string &method, int kind, std::shared_ptr<ILPCData> &data)
{
    const cJSON *member = fieldrules::findMember(root, kData);
    if (member == nullptr)
        return;
    if (!data && !method.empty())
        data = RecordFactory::instance().createShared<ILPCData>(method, kind);
    if (data)
        data->fromJSON(member);
}

} // namespace

LPCRequestData::LPCRequestData(std::shared_ptr<ILPCData> payload)
    : method(payloadName(payload)), data(std::move(payload))
{
}

bool LPCRequestData::Parse(const std::string &text)
{
    if (text.empty())
        return false;
    const char *errorAt = nullptr;
    const JSONNodePtr root = parseJSONText(text, errorAt);
    if (!root) {
        LOG_ERROR("Failed to cJSON_Parse( [%s] ). Error info: [%s].", text.c_str(), errorAt);
        return false;
    }
    if (const cJSON *member = fieldrules::findMember(root.get(), kMethod))
        method = fieldrules::readString(member);
    readPayload(root.get(), method, RecordFactory::LPCRequest, data);
    return true;
}

std::string LPCRequestData::toString() const
{
    JSONNodePtr root(cJSON_CreateObject());
    if (!root || !addMember(root.get(), kMethod, fieldrules::writeString(method)))
        return std::string();
    return printWithRecord(std::move(root), kData, data.get());
}

LPCResponseData::LPCResponseData(std::shared_ptr<ILPCData> payload)
    : method(payloadName(payload)), data(std::move(payload))
{
}

bool LPCResponseData::Parse(const std::string &text)
{
    if (text.empty())
        return false;
    const char *errorAt = nullptr;
    const JSONNodePtr root = parseJSONText(text, errorAt);
    if (!root) {
        LOG_ERROR("Failed to cJSON_Parse( [%s] ). Error info: [%s].", text.c_str(), errorAt);
        return false;
    }
    if (const cJSON *member = fieldrules::findMember(root.get(), kErrorCode))
        errorCode = fieldrules::readInt32(member);
    if (const cJSON *member = fieldrules::findMember(root.get(), kErrorModule))
        errorModule = fieldrules::readInt32(member);
    if (const cJSON *member = fieldrules::findMember(root.get(), kMethod))
        method = fieldrules::readString(member);
    readPayload(root.get(), method, RecordFactory::LPCResponse, data);
    return true;
}

std::string LPCResponseData::toString() const
{
    JSONNodePtr root(cJSON_CreateObject());
    if (!root || !addMember(root.get(), kErrorCode, cJSON_CreateNumber(errorCode)) ||
        !addMember(root.get(), kErrorModule, cJSON_CreateNumber(errorModule)) ||
        !addMember(root.get(), kMethod, fieldrules::writeString(method)))
        return std::string();
    return printWithRecord(std::move(root), kData, data.get());
}

} // namespace protocol
