#include <JSONStruct/Core/IJSONStruct.h>

#include <JSONStruct/Core/IInboundData.h>
#include <JSONStruct/Core/ILPCData.h>
#include <JSONStruct/Core/IReturnData.h>
#include <JSONStruct/Core/IWebsocketData.h>

#include <algorithm>
#include <cstring>

namespace protocol {

void KeySet::insertStatic(const char *key)
{
    if (containsText(key))
        return;
    if (m_static.empty())
        m_static.reserve(16);
    m_static.push_back(key);
}

void KeySet::emplace(const std::string &key)
{
    if (!containsText(key.c_str()))
        m_owned.push_back(key);
}

std::size_t KeySet::count(const std::string &key) const
{
    return containsText(key.c_str()) ? 1 : 0;
}

bool KeySet::containsText(const char *key) const
{
    // Every field of a page's rows lands here: the first letter rules out most keys
    // without a call to strcmp.
    for (const char *known : m_static) {
        if (known == key || (known[0] == key[0] && std::strcmp(known, key) == 0))
            return true;
    }
    for (const std::string &known : m_owned) {
        if (known == key)
            return true;
    }
    return false;
}

std::vector<std::string> KeySet::keys() const
{
    std::vector<std::string> all(m_static.begin(), m_static.end());
    all.insert(all.end(), m_owned.begin(), m_owned.end());
    std::sort(all.begin(), all.end());
    return all;
}

IInboundData::~IInboundData() = default;
IReturnData::~IReturnData() = default;
ILPCData::~ILPCData() = default;
IWebsocketData::~IWebsocketData() = default;

} // namespace protocol
