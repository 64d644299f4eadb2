#include "testsupport/Json.h"

#include <cjson/cJSON.h>

namespace testsupport {

std::string compactJson(const std::string &text)
{
    const char *end = nullptr;
    cJSON *root = cJSON_ParseWithOpts(text.c_str(), &end, 0);
    if (!root)
        return "<invalid JSON: " + text + ">";
    char *printed = cJSON_PrintUnformatted(root);
    std::string out = printed ? printed : "<print failed>";
    cJSON_free(printed);
    cJSON_Delete(root);
    return out;
}

bool sameJson(const std::string &a, const std::string &b)
{
    const std::string ca = compactJson(a);
    return ca.rfind("<invalid", 0) != 0 && ca == compactJson(b);
}

} // namespace testsupport
