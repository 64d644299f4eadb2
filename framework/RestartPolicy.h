#pragma once
// What the host does when the component ends without being asked to: restart it once, and
// leave it stopped when it fails again soon after, so that a component that dies at every
// start does not loop. Also words what happened for the operator. Plain logic: the host
// feeds it the exits and a monotonic clock, tests do the same without a process or window.

#include <QString>

namespace clientframework {

struct ComponentExit
{
    /// Exit status, or the signal number when crashed.
    int exitCode = 0;
    /// Died of a signal.
    bool crashed = false;
    /// Dump file the crash handler wrote for this process; empty when none.
    QString dumpFile;
};

struct RestartDecision
{
    bool restart = false;
    /// One or two sentences for the operator (page area, status bar) and the log.
    QString message;
};

class RestartPolicy
{
public:
    /// windowMs: a failure this soon after the last automatic restart leaves it stopped.
    explicit RestartPolicy(qint64 windowMs = 60000) : m_windowMs(windowMs) {}

    /// An unexpected end at nowMs (monotonic milliseconds).
    RestartDecision onUnexpectedExit(const ComponentExit &exit, qint64 nowMs);
    /// The operator started the component: its next failure gets a restart again.
    void reset() { m_hasRestarted = false; }

    /// "signal 11, segmentation fault"; the short words for the signals a crash brings.
    static QString describeSignal(int signal);

private:
    QString windowText() const;

    qint64 m_windowMs;
    qint64 m_lastRestartMs = 0;
    bool m_hasRestarted = false;
};

} // namespace clientframework
