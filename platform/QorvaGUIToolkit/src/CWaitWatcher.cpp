#include <QorvaGUIToolkit/CWaitWatcher.h>

#include <QorvaGUIToolkit/Application.h>
#include <QorvaGUIToolkit/CChaseDialog.h>
#include <QorvaGUIToolkit/CShadeFrame.h>

#include <QEventLoop>
#include <QFutureWatcher>
#include <QPointer>
#include <QWidget>

namespace QorvaGUIToolkit {

CWaitWatcher::CWaitWatcher(QWidget *page, const QString &text, QObject *parent)
    : QObject(parent), m_pPage(page), m_text(text)
{}

QString CWaitWatcher::defaultAnimation()
{
    return QStringLiteral(":/QorvaGUIToolkit/Dialog/Images/Dialog/Loading.gif");
}

bool CWaitWatcher::wait(const QFuture<void> &future)
{
    if (future.isFinished())
        return true;
    QWidget *window = GetIndependentWindow(m_pPage);
    // Both are children of the window, which an event handled during the wait may
    // destroy (the application shutting down): guarded, never on the stack.
    QPointer<CShadeFrame> shade = window ? new CShadeFrame(window) : nullptr;
    if (shade)
        shade->showShade();

    QPointer<CChaseDialog> dialog =
        new CChaseDialog(window, defaultAnimation(), m_text, m_stoppable);
    bool stoppedByOperator = false;
    connect(dialog, &CChaseDialog::signalStopRequested, this,
            [&stoppedByOperator] { stoppedByOperator = true; });
    QFutureWatcher<void> watcher;
    connect(&watcher, &QFutureWatcher<void>::finished, dialog,
            &CChaseDialog::OnImmediatelyStopChase);
    watcher.setFuture(future);
    if (future.isFinished())
        dialog->OnImmediatelyStopChase();
    dialog->exec();
    if (!stoppedByOperator && !future.isFinished()) {
        // The test policy may close the dialog early; the caller still gets a result,
        // waited for in an event loop so that the window stays alive.
        QEventLoop loop;
        connect(&watcher, &QFutureWatcher<void>::finished, &loop, &QEventLoop::quit);
        if (!future.isFinished())
            loop.exec();
    }

    delete dialog.data();
    delete shade.data();
    return !stoppedByOperator;
}

} // namespace QorvaGUIToolkit
