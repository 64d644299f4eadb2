#pragma once
// Work that runs beside the caller while it does something else, its result fetched
// later:
//
//   std::future<QMap<QString, QString>> names = runBeside([] { return readGroupNames(); });
//   ... the page query ...
//   const QMap<QString, QString> groups = names.get();
//
// Each work gets a thread of its own rather than a pool task: the callers mostly run on
// a pool thread themselves, and a pool task that waits for another task of the same small
// pool can starve it. Give the work copies, never references to what the caller may
// drop. A future that is dropped without get() still waits for its work, so the work
// never outlives what the caller's stack lent it.

#include <future>
#include <type_traits>
#include <utility>

namespace visitorclient {

/// Starts work() on a new thread and returns its future; get() gives the result or
/// rethrows what the work threw. Throws std::system_error when no thread can be started
/// (never falls back to running at get(): callers poll the future with wait_for).
template <typename Work> auto runBeside(Work work) -> std::future<std::invoke_result_t<Work>>
{
    return std::async(std::launch::async, std::move(work));
}

} // namespace visitorclient
