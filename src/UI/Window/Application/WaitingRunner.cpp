#include "WaitingRunner.h"

#include <QorvaGUIToolkit/CWaitWatcher.h>

#include <Base/Log.h>

namespace visitorclient {

bool waitForWork(QWidget *page, const QString &text, const QFuture<void> &future)
{
    if (future.isFinished())
        return true;
    QorvaGUIToolkit::CWaitWatcher watcher(page, text);
    return watcher.wait(future);
}

void logWorkFailure(const QString &text, const std::exception_ptr &error)
{
    try {
        std::rethrow_exception(error);
    } catch (const std::exception &e) {
        LOG_ERROR("The work behind the wait dialog [%s] failed: %s.", qUtf8Printable(text),
                  e.what());
    } catch (...) {
        LOG_ERROR("The work behind the wait dialog [%s] failed.", qUtf8Printable(text));
    }
}

} // namespace visitorclient
