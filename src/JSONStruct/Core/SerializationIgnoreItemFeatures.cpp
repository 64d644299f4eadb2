#include <JSONStruct/Core/SerializationIgnoreItemFeatures.h>

#include <JSONStruct/Core/JSONFieldRules.h>

#include <cjson/cJSON.h>

namespace protocol {

bool SerializationIgnoreItemFeatures::isIgnored(const char *key) const
{
    if (key == nullptr || *key == '\0')
        return false;
    if (ignoreMode != 0 && ignoreMode != 1)
        return false;
    bool listed = false;
    for (const std::string &item : ignoreItems) {
        if (item == key) {
            listed = true;
            break;
        }
    }
    return ignoreMode == 0 ? listed : !listed;
}

void SerializationIgnoreItemFeatures::addString(cJSON *object, const char *key, const std::string &value) const
{
    if (object == nullptr || isIgnored(key))
        return;
    fieldrules::attach(object, key, fieldrules::writeString(value));
}

void SerializationIgnoreItemFeatures::addNumber(cJSON *object, const char *key, double value) const
{
    if (object == nullptr || isIgnored(key))
        return;
    fieldrules::attach(object, key, cJSON_CreateNumber(value));
}

void SerializationIgnoreItemFeatures::addBool(cJSON *object, const char *key, bool value) const
{
    if (object == nullptr || isIgnored(key))
        return;
    fieldrules::attach(object, key, cJSON_CreateBool(value));
}

void SerializationIgnoreItemFeatures::addItem(cJSON *object, const char *key, cJSON *item) const
{
    if (object == nullptr || isIgnored(key)) {
        cJSON_Delete(item);
        return;
    }
    fieldrules::attach(object, key, item);
}

} // namespace protocol
