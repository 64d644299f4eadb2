#include <JSONStruct/HTTP/HTTPCommonJSONStruct.h>

#include <JSONStruct/Core/JSONFieldRules.h>
#include <JSONStruct/Core/JSONText.h>
#include <JSONStruct/Routes/WireNames.h>

#include <Base/Log.h>
#include <Base/StringUtil.h>

#include <cjson/cJSON.h>

#include <sstream>
#include <utility>

namespace protocol {

namespace {

using namespace wire::key;

std::uint32_t readCodePart(const std::string &part)
{
    std::istringstream stream(part);
    std::uint32_t value = 0;
    stream >> value;
    return value;
}

} // namespace

Base::Error::ErrorCode Str2ErrorCode(const std::string &text)
{
    const std::vector<std::string> parts = Base::StringUtil::SplitString(text, "-");
    if (parts.size() != 2) {
        LOG_ERROR("Invalid return code. code: [%s].", text.c_str());
        return Base::Error::ErrorCode();
    }
    return Base::Error::ErrorCode(readCodePart(parts[0]), readCodePart(parts[1]));
}

std::string ErrorCode2Str(const Base::Error::ErrorCode &code)
{
    return code.toString();
}

ReturnData::ReturnData(std::shared_ptr<IReturnData> answer) : data(std::move(answer))
{
}

bool ReturnData::Parse(const std::string &text)
{
    JSONNodePtr tree;
    return Parse(text, tree);
}

bool ReturnData::Parse(const std::string &text, JSONNodePtr &tree)
{
    tree.reset();
    if (text.empty())
        return false;
    const char *errorAt = nullptr;
    JSONNodePtr root = parseJSONText(text, errorAt);
    if (!root) {
        LOG_ERROR("Failed to cJSON_Parse( [%s] ). Error info: [%s].", text.c_str(), errorAt);
        return false;
    }
    if (const cJSON *member = fieldrules::findMember(root.get(), kCode))
        code = Str2ErrorCode(fieldrules::readString(member));
    if (const cJSON *member = fieldrules::findMember(root.get(), kMsg))
        msg = fieldrules::readString(member);
    if (const cJSON *member = fieldrules::findMember(root.get(), kData)) {
        if (data)
            data->fromJSON(member);
    }
    tree = std::move(root);
    return true;
}

std::string ReturnData::toString() const
{
    JSONNodePtr root(cJSON_CreateObject());
    if (!root)
        return std::string();
    if (!addMember(root.get(), kCode, fieldrules::writeString(ErrorCode2Str(code))) ||
        !addMember(root.get(), kMsg, fieldrules::writeString(msg)))
        return std::string();
    return printWithRecord(std::move(root), kData, data.get());
}

} // namespace protocol
