#pragma once
// Runs a list of steps against a ComponentHost, for tests and demos. Steps run in order;
// waits end on the host's signals (or fail after the time-out), never on sleeps.
//
// Script text, one step per line ('#' starts a comment):
//   timeout SECONDS                 default time-out of the following waits (60)
//   start                           start the component
//   wait initFinish | window NAME | request URL | subscriptions N | exit [CODE] | crash
//   call METHOD [JSON]              LPC call to the component; keeps the reply
//   http URL [METHODCODE] [BODY]    HTTP-shaped request to the component; keeps the reply
//   notify TYPE [JSON]              server notification (forwarded only when subscribed)
//   control checkin CODE | checkout CODE | remove-device GUID|first | rename-group GUID|first NAME
//           | rename-door GUID|first NAME | fail-device GUID|first | offline-device GUID|first
//           | online-device GUID|first
//   switch-user INDEX               0 "admin", 1 "guard" (no function 9)
//   expect reply-ok | reply-contains TEXT | forwarded yes|no | control-ok | subscriptions N
//          | registered-url URL | registered-method NAME
//   stop [METHOD]                   "componentUninit" (default) or "clientDisconnected"
//   kill                            kill the component process (as a crash would)
//   quit                            end the script successfully
// The same steps are available as addStep(verb, arguments).

#include <QObject>
#include <QSet>
#include <QStringList>
#include <QTimer>
#include <QVector>

namespace clientframework {

class ComponentHost;

class ScriptRunner : public QObject
{
    Q_OBJECT
public:
    struct Step
    {
        QString verb;
        QStringList args;
        int line = 0;
    };

    explicit ScriptRunner(ComponentHost &host, QObject *parent = nullptr);

    /// Parses script text; false with error() for an unknown verb or missing argument.
    bool load(const QString &text);
    bool loadFile(const QString &path);
    void addStep(const QString &verb, const QStringList &args = QStringList());
    QString error() const { return m_error; }

    /// Runs the steps (returns at once); finished() reports the outcome.
    void run();
    bool isRunning() const { return m_running; }

signals:
    void finished(bool ok, const QString &message);
    void stepStarted(int index, const QString &text);

private:
    void advance();
    void advanceSteps();
    /// 1 done, 0 waiting, -1 failed (m_error set).
    int execute(const Step &step);
    int check(const Step &step);
    bool waitSatisfied(const Step &step) const;
    void fail(const QString &why);
    QString resolveGuid(const QString &what, const QString &arg) const;
    static bool validate(const Step &step, QString *why);

    ComponentHost &m_host;
    QVector<Step> m_steps;
    int m_index = 0;
    bool m_running = false;
    bool m_waiting = false;
    bool m_inAdvance = false;
    int m_timeoutMs = 60000;
    QTimer m_timer;
    QString m_error;

    // What the host reported since run().
    bool m_initFinished = false;
    QSet<QString> m_windowsShown;
    QStringList m_urlsSeen;
    bool m_exited = false;
    bool m_crashed = false;
    int m_exitCode = -1;
    int m_pendingTicket = 0;
    QString m_replyResult;
    QString m_replyBody;
    bool m_lastForwarded = false;
    quint32 m_lastControl = 0;
};

} // namespace clientframework
