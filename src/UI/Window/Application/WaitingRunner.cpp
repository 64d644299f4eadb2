#include "WaitingRunner.h"

#include <QorvaGUIToolkit/CWaitWatcher.h>

#include <Base/Log.h>

#include <exception>

namespace visitorclient {

bool waitForWork(QWidget *page, const QString &text, const QFuture<void> &future)
{
    if (!future.isFinished()) {
        QorvaGUIToolkit::CWaitWatcher watcher(page, text);
        watcher.wait(future);
    }
    // The work has finished here; a stored exception comes out of this wait.
    try {
        QFuture<void>(future).waitForFinished();
    } catch (const std::exception &e) {
        LOG_ERROR("The work behind the wait dialog [%s] failed: %s.", qUtf8Printable(text),
                  e.what());
        return false;
    } catch (...) {
        LOG_ERROR("The work behind the wait dialog [%s] failed.", qUtf8Printable(text));
        return false;
    }
    return true;
}

} // namespace visitorclient
