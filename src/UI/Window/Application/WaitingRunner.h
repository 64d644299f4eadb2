#pragma once
// The pages' waiting runner: slow work runs on Qt's global thread pool while the page's
// window is shaded and a modal wait dialog says what is going on; the caller gets the
// work's result. The GUI thread keeps handling events meanwhile, so a runner started
// from one of them nests inside the first and returns first. Give the work copies of
// what it needs, never live widgets; apply its result on the GUI thread afterwards.
//
//   const auto page = runWaiting(this, waitText, [condition] {
//       protocol::QueryAppointmentResultList answer;
//       commlayer::AppointmentComm::getAppointmentByCondition(answer, condition);
//       return answer;
//   });

#include <QFuture>
#include <QString>
#include <QtConcurrent/QtConcurrentRun>

#include <exception>
#include <memory>
#include <mutex>
#include <optional>
#include <type_traits>
#include <utility>

class QWidget;

namespace visitorclient {

/// Shows the shade and the wait dialog with text over the window of page until future
/// has finished; returns at once, without showing anything, when it already has. False
/// when the wait ended before the work did. GUI thread only.
bool waitForWork(QWidget *page, const QString &text, const QFuture<void> &future);

/// Logs that the work behind the wait dialog with text failed with error.
void logWorkFailure(const QString &text, const std::exception_ptr &error);

namespace detail {

// What the work leaves for the GUI thread. The hand-over goes through a standard mutex
// rather than the future's result: Qt orders that one with locking ThreadSanitizer cannot
// see in an uninstrumented Qt, so every result read looked like a race. The future only
// tells when the work has ended.
template <typename Result> class WorkOutcome
{
    // A void work leaves only the fact that it ended.
    using Stored = std::conditional_t<std::is_void_v<Result>, bool, Result>;

public:
    template <typename Work> void run(Work &work) noexcept
    {
        try {
            if constexpr (std::is_void_v<Result>) {
                work();
                keep(true);
            } else {
                keep(work());
            }
        } catch (...) {
            std::lock_guard<std::mutex> lock(m_mutex);
            m_error = std::current_exception();
        }
    }

    /// The work's result; a default-constructed one when it threw (logged) or has not
    /// ended.
    Result take(const QString &text)
    {
        std::exception_ptr error;
        std::optional<Stored> value;
        {
            std::lock_guard<std::mutex> lock(m_mutex);
            error = std::move(m_error);
            value = std::move(m_value);
        }
        if (error)
            logWorkFailure(text, error);
        if constexpr (std::is_void_v<Result>)
            return;
        else
            return value ? std::move(*value) : Result();
    }

private:
    void keep(Stored &&value)
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_value.emplace(std::move(value));
    }

    std::mutex m_mutex;
    std::optional<Stored> m_value;
    std::exception_ptr m_error;
};

} // namespace detail

/// Runs work() on the global thread pool behind the wait dialog and returns its result;
/// a default-constructed result when the work threw. GUI thread only.
template <typename Work>
auto runWaiting(QWidget *page, const QString &text, Work work) -> std::invoke_result_t<Work>
{
    using Result = std::invoke_result_t<Work>;
    // Shared: the pool task may still hold it while the GUI thread moves on.
    auto outcome = std::make_shared<detail::WorkOutcome<Result>>();
    waitForWork(page, text, QtConcurrent::run([outcome, work = std::move(work)]() mutable {
                    outcome->run(work);
                }));
    return outcome->take(text);
}

} // namespace visitorclient
