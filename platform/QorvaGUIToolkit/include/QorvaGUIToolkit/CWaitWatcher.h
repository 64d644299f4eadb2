#pragma once
// Runs the wait of a page: a shade over the page's window and a modal CChaseDialog
// while a future runs; returns when the future finished. GUI thread only.

#include <QFuture>
#include <QObject>
#include <QString>

class QWidget;

namespace QorvaGUIToolkit {

class CWaitWatcher : public QObject
{
    Q_OBJECT
public:
    /// page: the widget whose window gets the shade; text: the dialog's text.
    CWaitWatcher(QWidget *page, const QString &text, QObject *parent = nullptr);

    /// Blocks in the wait dialog's event loop until the future finished (returns at
    /// once when it already has). Returns false when the operator stopped waiting.
    bool wait(const QFuture<void> &future);

    /// Convenience: wait for a future of any type and return its result.
    template <typename T> T waitResult(const QFuture<T> &future)
    {
        wait(QFuture<void>(future));
        return future.result();
    }

    static QString defaultAnimation();

private:
    QWidget *m_pPage;
    QString m_text;
};

} // namespace QorvaGUIToolkit
