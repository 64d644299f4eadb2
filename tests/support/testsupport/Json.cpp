#include "testsupport/Json.h"

#include <cjson/cJSON.h>

namespace testsupport {

void NodeDeleter::operator()(cJSON *node) const
{
    cJSON_Delete(node);
}

Node parseJson(const std::string &text)
{
    return Node(cJSON_Parse(text.c_str()));
}

std::string compactJson(const cJSON *node)
{
    if (node == nullptr)
        return "<null>";
    char *printed = cJSON_PrintUnformatted(node);
    std::string out = printed ? printed : "<print failed>";
    cJSON_free(printed);
    return out;
}

std::vector<std::string> keysOf(const cJSON *node)
{
    std::vector<std::string> keys;
    const cJSON *member = nullptr;
    cJSON_ArrayForEach(member, node) keys.push_back(member->string ? member->string : "");
    return keys;
}

std::string compactOwned(cJSON *node)
{
    return compactJson(Node(node).get());
}

std::vector<std::string> keysOwned(cJSON *node)
{
    return keysOf(Node(node).get());
}

std::string compactJson(const std::string &text)
{
    const char *end = nullptr;
    const Node root(cJSON_ParseWithOpts(text.c_str(), &end, 0));
    if (!root)
        return "<invalid JSON: " + text + ">";
    return compactJson(root.get());
}

bool sameJson(const std::string &a, const std::string &b)
{
    const std::string ca = compactJson(a);
    return ca.rfind("<invalid", 0) != 0 && ca == compactJson(b);
}

} // namespace testsupport
