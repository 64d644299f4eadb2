#include "testsupport/LogWatch.h"

#include <algorithm>

namespace testsupport {

bool LogWatch::waitForLine(const std::string &message, std::chrono::milliseconds bound) const
{
    return waitUntil([&] { return contains(message); }, bound);
}

bool LogWatch::waitForPart(const std::string &part, std::chrono::milliseconds bound) const
{
    return waitUntil([&] { return hasPart(part); }, bound);
}

bool LogWatch::hasPart(const std::string &part) const
{
    const auto all = messages();
    return std::any_of(all.begin(), all.end(),
                       [&](const std::string &m) { return m.find(part) != std::string::npos; });
}

int LogWatch::count(const std::string &message) const
{
    const auto all = messages();
    return static_cast<int>(std::count(all.begin(), all.end(), message));
}

} // namespace testsupport
