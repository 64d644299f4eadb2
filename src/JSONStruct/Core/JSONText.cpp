#include <JSONStruct/Core/JSONText.h>

#include <cjson/cJSON.h>

namespace protocol {

void JSONNodeDeleter::operator()(cJSON *node) const
{
    cJSON_Delete(node);
}

JSONNodePtr parseJSONText(const std::string &text, const char *&errorAt)
{
    const char *end = nullptr;
    JSONNodePtr root(cJSON_ParseWithLengthOpts(text.c_str(), text.size(), &end, 0));
    errorAt = root ? nullptr : (end != nullptr ? end : text.c_str());
    return root;
}

std::string printJSON(const cJSON *node)
{
    if (node == nullptr)
        return std::string();
    char *printed = cJSON_Print(node);
    if (printed == nullptr)
        return std::string();
    std::string text(printed);
    cJSON_free(printed);
    return text;
}

bool addMember(cJSON *object, const char *key, cJSON *item)
{
    if (item == nullptr)
        return false;
    if (object == nullptr || !cJSON_AddItemToObject(object, key, item)) {
        cJSON_Delete(item);
        return false;
    }
    return true;
}

} // namespace protocol
