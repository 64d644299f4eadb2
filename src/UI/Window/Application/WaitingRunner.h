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

#include <type_traits>
#include <utility>

class QWidget;

namespace visitorclient {

/// Shows the shade and the wait dialog with text over the window of page until future
/// has finished; returns at once, without showing anything, when it already has. False
/// when the work ended with an exception (logged). GUI thread only.
bool waitForWork(QWidget *page, const QString &text, const QFuture<void> &future);

/// Runs work() on the global thread pool behind the wait dialog and returns its result;
/// a default-constructed result when the work threw. GUI thread only.
template <typename Work>
auto runWaiting(QWidget *page, const QString &text, Work work) -> std::invoke_result_t<Work>
{
    using Result = std::invoke_result_t<Work>;
    if constexpr (std::is_void_v<Result>) {
        waitForWork(page, text, QtConcurrent::run(std::move(work)));
    } else {
        const QFuture<Result> future = QtConcurrent::run(std::move(work));
        if (!waitForWork(page, text, QFuture<void>(future)))
            return Result();
        return future.result();
    }
}

} // namespace visitorclient
