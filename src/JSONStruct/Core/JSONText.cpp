#include <JSONStruct/Core/JSONText.h>

#include <JSONStruct/Core/IJSONStruct.h>
#include <JSONStruct/Core/JSONFieldRules.h>

#include <cjson/cJSON.h>

#include <climits>
#include <cstring>

namespace protocol {

namespace {

// Room the formatted text of node takes, from the lengths of its strings and keys. Escapes
// are not counted (they are rare); a text that does not fit is printed again into twice
// the room. Numbers get cJSON's own number buffer size.
std::size_t estimatePrinted(const cJSON *node, std::size_t depth)
{
    if (cJSON_IsString(node) || cJSON_IsRaw(node))
        return (node->valuestring != nullptr ? std::strlen(node->valuestring) : 0) + 4;
    if (cJSON_IsNumber(node))
        return 26;
    if (!cJSON_IsArray(node) && !cJSON_IsObject(node))
        return 6;
    const bool object = cJSON_IsObject(node);
    std::size_t size = depth + 4;
    for (const cJSON *child = node->child; child != nullptr; child = child->next) {
        size += estimatePrinted(child, depth + 1) + 2;
        if (object)
            size += depth + 4 + (child->string != nullptr ? std::strlen(child->string) : 0);
    }
    return size;
}

} // namespace

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
    // Printed straight into the string with room estimated up front: cJSON_Print grows its
    // buffer by doubling (each step copying and touching fresh pages) and the result was
    // then copied once more, which made printing a large page cost twice the building.
    // cJSON does not write through node; its preallocated printer only lacks the const.
    cJSON *tree = const_cast<cJSON *>(node);
    std::size_t room = estimatePrinted(node, 0) + 64;
    for (int attempt = 0; attempt < 3 && room < static_cast<std::size_t>(INT_MAX); ++attempt) {
        std::string text(room, '\0');
        if (cJSON_PrintPreallocated(tree, &text[0], static_cast<int>(room), 1)) {
            text.resize(std::strlen(text.c_str()));
            return text;
        }
        room *= 2;
    }
    char *printed = cJSON_Print(node);
    if (printed == nullptr)
        return std::string();
    std::string text(printed);
    cJSON_free(printed);
    return text;
}

std::string printWithRecord(JSONNodePtr root, const char *key, const IJSONStruct *data)
{
    if (!root)
        return std::string();
    fieldrules::BorrowedFieldStrings borrowed;
    if (data != nullptr && !addMember(root.get(), key, data->toJSON()))
        return std::string();
    return printJSON(root.get());
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
