#pragma once
// Log capture with waiting: a test that expects a line written by another thread waits
// for the line itself (bounded) instead of for the state change that precedes it.

#include "testsupport/Wait.h"

#include <Base/LogCapture.h>

#include <string>

namespace testsupport {

class LogWatch : public Base::details::CLogCapture
{
public:
    /// Waits until a captured message equals message; true when it arrived in time.
    bool waitForLine(const std::string &message, std::chrono::milliseconds bound = kBound) const;
    /// Waits until a captured message contains part.
    bool waitForPart(const std::string &part, std::chrono::milliseconds bound = kBound) const;
    /// Whether a captured message contains part now.
    bool hasPart(const std::string &part) const;
    /// How many captured messages equal message.
    int count(const std::string &message) const;
};

} // namespace testsupport
