#pragma once
// Turns SIGTERM/SIGINT (or other asynchronous signals) into a Qt signal on the thread that
// created the watcher. The signal handler only writes the signal number into a socket pair;
// a QSocketNotifier reads it in the event loop, where any work is allowed. One watcher per
// process; the previous handlers come back when it is destroyed.

#include <QObject>

#include <csignal>
#include <vector>

class QSocketNotifier;

namespace clientframework {

class SignalWatcher : public QObject
{
    Q_OBJECT
public:
    explicit SignalWatcher(std::vector<int> signalNumbers, QObject *parent = nullptr);
    ~SignalWatcher() override;

    /// False when the socket pair or a handler could not be installed (see the log).
    bool isActive() const { return m_active; }

signals:
    /// Once per signal received (signals arriving in a burst may be merged).
    void received(int signalNumber);

private:
    static void handle(int signalNumber);
    void readPending();

    std::vector<int> m_signals;
    std::vector<struct sigaction> m_previous;
    QSocketNotifier *m_notifier = nullptr;
    bool m_active = false;
};

} // namespace clientframework
