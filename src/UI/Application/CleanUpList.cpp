#include "CleanUpList.h"

#include <Base/Log.h>

namespace visitorclient {

void CCleanUpList::add(const std::string &typeName, std::function<void()> unInit)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_entries.push_back({typeName, std::move(unInit)});
}

void CCleanUpList::runAll()
{
    std::vector<Entry> entries;
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        entries.swap(m_entries);
    }
    // Run outside the lock: an un-initialisation may wait for threads that log or
    // touch other services.
    for (auto it = entries.rbegin(); it != entries.rend(); ++it) {
        LOG_INFO("unInit [%s]", it->typeName.c_str());
        if (it->unInit)
            it->unInit();
    }
}

std::vector<std::string> CCleanUpList::typeNames() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    std::vector<std::string> names;
    for (const Entry &entry : m_entries)
        names.push_back(entry.typeName);
    return names;
}

bool CCleanUpList::empty() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_entries.empty();
}

} // namespace visitorclient
