#include "RestartPolicy.h"

#include <csignal>

namespace clientframework {

QString RestartPolicy::describeSignal(int signal)
{
    const char *words = nullptr;
    switch (signal) {
    case SIGSEGV:
        words = "segmentation fault";
        break;
    case SIGABRT:
        words = "aborted";
        break;
    case SIGBUS:
        words = "bus error";
        break;
    case SIGFPE:
        words = "arithmetic error";
        break;
    case SIGILL:
        words = "illegal instruction";
        break;
    case SIGKILL:
        words = "killed";
        break;
    case SIGTERM:
        words = "terminated";
        break;
    default:
        break;
    }
    const QString number = QStringLiteral("signal %1").arg(signal);
    return words == nullptr ? number : number + QStringLiteral(", ") + QLatin1String(words);
}

QString RestartPolicy::windowText() const
{
    if (m_windowMs % 60000 == 0)
        return m_windowMs == 60000 ? QStringLiteral("a minute")
                                   : QStringLiteral("%1 minutes").arg(m_windowMs / 60000);
    return QStringLiteral("%1 seconds").arg(m_windowMs / 1000.0);
}

RestartDecision RestartPolicy::onUnexpectedExit(const ComponentExit &exit, qint64 nowMs)
{
    RestartDecision decision;
    decision.restart = !m_hasRestarted || nowMs - m_lastRestartMs >= m_windowMs;
    if (decision.restart) {
        m_hasRestarted = true;
        m_lastRestartMs = nowMs;
    }

    const QString what =
        exit.crashed ? QStringLiteral("crashed (%1)").arg(describeSignal(exit.exitCode))
                     : QStringLiteral("ended unexpectedly (exit code %1)").arg(exit.exitCode);
    if (decision.restart) {
        decision.message = QStringLiteral("The visitor component %1 and was restarted.").arg(what);
    } else {
        decision.message =
            QStringLiteral("The visitor component %1 again less than %2 after it was restarted, "
                           "so it was left stopped. Use Component > Restart component to start "
                           "it again.")
                .arg(what, windowText());
    }
    if (!exit.dumpFile.isEmpty())
        decision.message += QStringLiteral(" Crash dump: %1").arg(exit.dumpFile);
    return decision;
}

} // namespace clientframework
