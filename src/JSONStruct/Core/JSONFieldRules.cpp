#include <JSONStruct/Core/JSONFieldRules.h>

#include <cjson/cJSON.h>

#include <cmath>
#include <limits>

namespace protocol {
namespace fieldrules {

std::string readString(const cJSON *item)
{
    if (cJSON_IsString(item) && item->valuestring != nullptr)
        return std::string(item->valuestring);
    return std::string();
}

void readString(const cJSON *item, std::string &target)
{
    if (cJSON_IsString(item) && item->valuestring != nullptr)
        target.assign(item->valuestring);
    else
        target.clear();
}

std::int32_t readInt32(const cJSON *item)
{
    // Computed from the double rather than taken from valueint: nodes built in code
    // (cJSON_CreateTrue) do not set valueint, and a NaN must not reach a cast.
    if (cJSON_IsTrue(item))
        return 1;
    if (!cJSON_IsNumber(item))
        return 0;
    const double value = item->valuedouble;
    if (std::isnan(value))
        return 0;
    if (value >= static_cast<double>(std::numeric_limits<std::int32_t>::max()))
        return std::numeric_limits<std::int32_t>::max();
    if (value <= static_cast<double>(std::numeric_limits<std::int32_t>::min()))
        return std::numeric_limits<std::int32_t>::min();
    return static_cast<std::int32_t>(value);
}

std::int64_t readInt64(const cJSON *item)
{
    if (!cJSON_IsNumber(item))
        return 0;
    const double value = item->valuedouble;
    if (std::isnan(value))
        return 0;
    // 2^63 is exactly representable; anything at or above it saturates.
    if (value >= 9223372036854775808.0)
        return std::numeric_limits<std::int64_t>::max();
    if (value <= -9223372036854775808.0)
        return std::numeric_limits<std::int64_t>::min();
    return static_cast<std::int64_t>(value);
}

double readDouble(const cJSON *item)
{
    return cJSON_IsNumber(item) ? item->valuedouble : 0.0;
}

bool readBool(const cJSON *item)
{
    return readInt32(item) == 1;
}

std::string readNumericText(const cJSON *item)
{
    return std::to_string(readInt64(item));
}

cJSON *writeString(const std::string &value)
{
    return cJSON_CreateString(value.c_str());
}

cJSON *writeInt64(std::int64_t value)
{
    return cJSON_CreateNumber(static_cast<double>(value));
}

std::size_t childCount(const cJSON *node)
{
    std::size_t count = 0;
    for (const cJSON *child = node != nullptr ? node->child : nullptr; child != nullptr; child = child->next)
        ++count;
    return count;
}

void attach(cJSON *object, const char *key, cJSON *item)
{
    if (item == nullptr)
        return;
    if (object == nullptr || !cJSON_AddItemToObject(object, key, item))
        cJSON_Delete(item);
}

const cJSON *findMember(const cJSON *object, const char *key)
{
    if (!cJSON_IsObject(object) || key == nullptr)
        return nullptr;
    return cJSON_GetObjectItem(object, key);
}

} // namespace fieldrules
} // namespace protocol
