#pragma once
// Runs a list of steps against a ComponentHost, for tests and demos. Steps run in order;
// waits end on the host's signals (or fail after the time-out), never on sleeps.
//
// Script text, one step per line ('#' starts a comment):
//   timeout SECONDS                 default time-out of the following waits (60)
//   start                           start the component
//   wait initFinish | window NAME | request URL | subscriptions N | exit [CODE] | crash
//   open NAME [TYPE]                ask the component for a window (getWndHandle, then showWnd)
//                                   as the Component menu does; "wait window NAME" waits for it
//   call METHOD [JSON]              LPC call to the component; keeps the reply
//   http URL [METHODCODE] [BODY]    HTTP-shaped request to the component; keeps the reply
//   notify TYPE [JSON]              server notification (forwarded only when subscribed)
//   control checkin CODE|last | checkout CODE | book-visitor NAME | repair-device GUID|first |
//   remove-device GUID|first | rename-group GUID|first NAME
//           | rename-door GUID|first NAME | fail-device GUID|first | offline-device GUID|first
//           | online-device GUID|first | settings-fault none|refuse-saves|drop-reasons
//           | delete-appointment GUID|first | add-group NAME [default]
//   switch-user INDEX               0 "admin", 1 "guard" (no function 9)
//   expect reply-ok | reply-contains TEXT | forwarded yes|no | control-ok | subscriptions N
//          | registered-url URL | registered-method NAME
//          | listed WHAT ROW TEXT | unlisted WHAT ROW TEXT
//                                   row ROW (from 1) of the server's listing WHAT
//                                   ("devices", ...), columns joined by blanks,
//                                   holds TEXT | does not
//          | appointment ROW KEY TEXT   the stored appointment of row ROW of the server's
//                                   listing has KEY (a key of the server's page query
//                                   answer) equal to TEXT; KEY "groups": its group GUIDs
//                                   are those of the groups named in TEXT ("A,B")
//   stop [METHOD]                   "componentUninit" (default) or "clientDisconnected"
//   kill                            kill the component process (as a crash would)
//   quit                            end the script successfully
//   ui STEP...                      one operator step in the component's window (below);
//                                   fails the script when the step fails
// The same steps are available as addStep(verb, arguments).
//
// ui steps travel to the component's UI driver (LPC method "uiDriverStep"), which runs
// them on its GUI thread; running a script with ui steps has the component started with
// QORVA_UI_DRIVER=1 (so does the host's --ui-driver). PATH names a widget by object name, with
// parents' names before it ("Appointment_Widget/AddBtn") where a name repeats; "quotes"
// keep blanks in a word. ROW and COLUMN count from 1. Waiting steps wait at most three
// quarters of the script's time-out.
//   ui navigate NAVIGATION-KEY      click the navigation entry of a page (its translation key)
//   ui show-page OBJECT-NAME        show a page that has no navigation entry (the blacklist)
//   ui click PATH                   click a button (or the middle of any widget)
//   ui type PATH TEXT               replace the text of an edit key by key
//   ui key PATH KEY                 Return, Enter, Escape, Tab, Space, Backspace, Delete, Up, Down
//   ui select PATH ITEM-TEXT        choose a combo box item (anywhere in a tree combo box)
//   ui tick PATH [ROW [COLUMN]] [on|off]
//                                   a check box, or the check box of a table row (the
//                                   first one, or the one in COLUMN)
//   ui tick-item PATH TEXT [on|off] tick a tree item (found by its text at any depth) as a
//                                   click on its box does
//   ui select-row PATH ROW          make a table row current and selected
//   ui click-cell PATH ROW COLUMN   click a cell (on its clickable icon when it has one)
//   ui double-click-cell PATH ROW COLUMN
//   ui page PATH N|first|previous|next|last      turn a paged table's page
//   ui page-size PATH ROWS          choose a paged table's page size
//   ui answer confirm|reject        answer the question open now, else the next one
//   ui file-dialog FILE|cancel      answer the open file dialog with FILE (relative: in
//                                   QORVA_UI_FILE_DIR, where run_scenario.sh copies
//                                   tests/e2e/scenarios/data)
//   ui type-file PATH FILE          type the full path of FILE (relative as above)
//   ui wait rows PATH N | text PATH TEXT | enabled PATH yes|no | visible PATH yes|no
//           | checked PATH [ROW COLUMN] yes|no      a check box, or a table cell's box
//   ui wait dialog | idle           a dialog is open | no wait dialog is open
//   ui expect notice|tooltip|warning|question|wait TEXT
//                                   shown since the last acting step, containing TEXT
//   ui mark                         forget what was shown so far
//   ui screenshot NAME [dialog | window OBJECT-NAME]
//                                   PNG of the window (with what lies over it), of the
//                                   open dialog or of another shown window (CMaintain),
//                                   under $QORVA_UI_SHOT_DIR (else the component's data
//                                   folder "screenshots/")
//   ui size WIDTH HEIGHT            resize the window (a headless host does not)
// A step that acts (click, type, ...) ends when its action returned or opened a dialog;
// the next steps then see the dialog. The steps are listed in the component's
// src/UI/UiDriver/UiDriverSteps.cpp; scenarios live in tests/e2e/scenarios/.

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
        /// The line after the verb, as written.
        QString text;
    };

    explicit ScriptRunner(ComponentHost &host, QObject *parent = nullptr);

    /// Parses script text; false with error() for an unknown verb or missing argument.
    bool load(const QString &text);
    bool loadFile(const QString &path);
    void addStep(const QString &verb, const QStringList &args = QStringList());
    QString error() const { return m_error; }
    /// The loaded steps drive the component's window (the component then needs its UI
    /// driver enabled).
    bool usesUiSteps() const;

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
    int checkUiReply(const Step &step);
    bool waitSatisfied(const Step &step) const;
    void fail(const QString &why);
    QString resolveGuid(const QString &what, const QString &arg) const;
    /// "last": the reservation code of the newest appointment.
    QString resolveAuthCode(const QString &arg) const;
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
