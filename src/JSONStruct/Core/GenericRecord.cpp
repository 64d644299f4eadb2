#include <JSONStruct/Core/GenericRecord.h>

#include <cjson/cJSON.h>

namespace protocol {

template <class Interface>
GenericRecord<Interface>::GenericRecord(const char *registeredName, const cJSON *node) : m_name(registeredName)
{
    fromJSON(node);
}

template <class Interface>
GenericRecord<Interface>::GenericRecord(const GenericRecord &other)
    : Interface(other), m_name(other.m_name), m_body(other.m_body ? cJSON_Duplicate(other.m_body, 1) : nullptr)
{
    // A virtual base is built by the most derived class, not by Interface's copy.
    static_cast<SerializationIgnoreItemFeatures &>(*this) = other;
}

template <class Interface>
GenericRecord<Interface> &GenericRecord<Interface>::operator=(const GenericRecord &other)
{
    if (this == &other)
        return *this;
    Interface::operator=(other);
    cJSON *copy = other.m_body ? cJSON_Duplicate(other.m_body, 1) : nullptr;
    cJSON_Delete(m_body);
    m_body = copy;
    m_name = other.m_name;
    return *this;
}

template <class Interface>
GenericRecord<Interface>::~GenericRecord()
{
    cJSON_Delete(m_body);
}

template <class Interface>
void GenericRecord<Interface>::fromJSON(const cJSON *node)
{
    if (node == nullptr)
        return;
    cJSON *copy = cJSON_Duplicate(node, 1);
    if (copy == nullptr)
        return;
    cJSON_Delete(m_body);
    m_body = copy;
    if (cJSON_IsObject(m_body)) {
        const cJSON *member = nullptr;
        cJSON_ArrayForEach(member, m_body)
        {
            if (member->string != nullptr)
                this->presentKeys.emplace(member->string);
        }
    }
}

template <class Interface>
cJSON *GenericRecord<Interface>::toJSON() const
{
    if (m_body == nullptr)
        return cJSON_CreateObject();
    cJSON *copy = cJSON_Duplicate(m_body, 1);
    if (copy == nullptr || !cJSON_IsObject(copy))
        return copy;
    cJSON *member = copy->child;
    while (member != nullptr) {
        cJSON *next = member->next;
        if (this->isIgnored(member->string))
            cJSON_Delete(cJSON_DetachItemViaPointer(copy, member));
        member = next;
    }
    return copy;
}

template class GenericRecord<ILPCData>;
template class GenericRecord<IWebsocketData>;

} // namespace protocol
