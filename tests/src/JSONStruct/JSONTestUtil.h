#pragma once
// Small helpers for the message-layer tests.

#include <JSONStruct/Core/JSONText.h>

#include <cjson/cJSON.h>

#include <string>
#include <vector>

namespace testutil {

inline protocol::JSONNodePtr parse(const std::string &text)
{
    return protocol::JSONNodePtr(cJSON_Parse(text.c_str()));
}

/// Compact text of a node the caller hands over (released here).
inline std::string compact(cJSON *node)
{
    protocol::JSONNodePtr owner(node);
    if (!owner)
        return "<null>";
    char *printed = cJSON_PrintUnformatted(owner.get());
    std::string text = printed ? printed : "<print failed>";
    cJSON_free(printed);
    return text;
}

/// Member names of an object node the caller hands over, in order.
inline std::vector<std::string> keysOf(cJSON *node)
{
    protocol::JSONNodePtr owner(node);
    std::vector<std::string> keys;
    const cJSON *member = nullptr;
    cJSON_ArrayForEach(member, owner.get()) keys.push_back(member->string ? member->string : "");
    return keys;
}

} // namespace testutil
