#pragma once
// Process-wide list of the services the logical layer started, each with the operation
// that takes it down.

#include <Base/Singleton.h>

#include <functional>
#include <mutex>
#include <string>
#include <vector>

namespace visitorclient {

class CCleanUpList : public Base::CSingleton<CCleanUpList>
{
    friend class Base::CSingleton<CCleanUpList>;

public:
    /// Enters a started service (type name for the log) with its un-initialisation.
    void add(const std::string &typeName, std::function<void()> unInit);
    /// Runs every entry's un-initialisation, newest first, and empties the list, so a
    /// second call does nothing.
    void runAll();
    /// Type names in start order.
    std::vector<std::string> typeNames() const;
    bool empty() const;

private:
    CCleanUpList() = default;

    struct Entry
    {
        std::string typeName;
        std::function<void()> unInit;
    };
    mutable std::mutex m_mutex;
    std::vector<Entry> m_entries;
};

} // namespace visitorclient
