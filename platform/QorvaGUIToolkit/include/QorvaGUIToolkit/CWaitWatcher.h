#pragma once
// Runs the wait of a page: a shade over the page's window and a modal CChaseDialog
// while a future runs; returns when the future finished or the operator stopped
// waiting. The GUI thread keeps processing events throughout. GUI thread only.

#include <QorvaGUIToolkit/QorvaGUIToolkitExport.h>

#include <QFuture>
#include <QObject>
#include <QString>

class QWidget;

namespace QorvaGUIToolkit {

class QORVAGUITOOLKIT_EXPORT CWaitWatcher : public QObject
{
    Q_OBJECT
public:
    /// page: the widget whose window gets the shade; text: the dialog's text.
    CWaitWatcher(QWidget *page, const QString &text, QObject *parent = nullptr);

    /// Shows a stop button in the wait dialog with which the operator may stop waiting.
    void setStoppable(bool stoppable) { m_stoppable = stoppable; }

    /// Runs the wait dialog's event loop until the future finished (returns at once
    /// when it already has). Returns false when the operator stopped waiting; the
    /// future then goes on running unobserved.
    bool wait(const QFuture<void> &future);

    // No result-reading variant: a result read through QFuture crosses threads inside
    // Qt's futex locking, which race checkers cannot see. Workers hand their results over
    // themselves (see the waiting runner).

    static QString defaultAnimation();

private:
    QWidget *m_pPage;
    QString m_text;
    bool m_stoppable = false;
};

} // namespace QorvaGUIToolkit
