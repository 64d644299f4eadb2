#pragma once
// Monotonic clock of the task pools. Net tasks take their creation time from it and
// workers measure waiting time with it; tests may replace its source to move time by
// hand instead of sleeping.

#include <chrono>

namespace comm_method {

class CTaskClock
{
public:
    using TimePoint = std::chrono::steady_clock::time_point;
    using Source = TimePoint (*)();

    /// Current time of the installed source (std::chrono::steady_clock by default).
    static TimePoint now();
    /// Installs another source; nullptr restores the steady clock. Any thread.
    static void setSource(Source source);
};

} // namespace comm_method
