#include <JSONStruct/personnel/PersonnelPart.h>

#include <cjson/cJSON.h>

namespace protocol {
namespace personnelcommon {

PersonnelPart::PersonnelPart(const cJSON *node)
{
    fromJSON(node);
}

PersonnelPart::PersonnelPart(const PersonnelPart &other)
    : SerializationIgnoreItemFeatures(other), IReturnData(other),
      m_body(other.m_body ? cJSON_Duplicate(other.m_body, 1) : nullptr)
{}

PersonnelPart &PersonnelPart::operator=(const PersonnelPart &other)
{
    if (this != &other) {
        SerializationIgnoreItemFeatures::operator=(other);
        IReturnData::operator=(other);
        cJSON *copy = other.m_body ? cJSON_Duplicate(other.m_body, 1) : nullptr;
        cJSON_Delete(m_body);
        m_body = copy;
    }
    return *this;
}

PersonnelPart::~PersonnelPart()
{
    cJSON_Delete(m_body);
}

void PersonnelPart::fromJSON(const cJSON *node)
{
    if (node == nullptr)
        return;
    cJSON *copy = cJSON_Duplicate(node, 1);
    if (copy == nullptr)
        return;
    cJSON_Delete(m_body);
    m_body = copy;
    if (!cJSON_IsObject(node))
        return;
    const cJSON *member = nullptr;
    cJSON_ArrayForEach(member, node)
    {
        if (member->string != nullptr)
            presentKeys.emplace(member->string);
    }
}

cJSON *PersonnelPart::toJSON() const
{
    if (m_body == nullptr || !cJSON_IsObject(m_body))
        return cJSON_CreateObject();
    cJSON *object = cJSON_CreateObject();
    if (object == nullptr)
        return nullptr;
    const cJSON *member = nullptr;
    cJSON_ArrayForEach(member, m_body)
    {
        if (member->string == nullptr || isIgnored(member->string))
            continue;
        if (cJSON *copy = cJSON_Duplicate(member, 1))
            cJSON_AddItemToObject(object, member->string, copy);
    }
    return object;
}

} // namespace personnelcommon
} // namespace protocol
