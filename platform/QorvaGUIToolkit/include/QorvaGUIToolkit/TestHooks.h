#pragma once
// Test hooks of the toolkit: what the toolkit showed (notices, tool tips, warnings,
// dialog questions) is recorded, and modal dialogs can be answered by a policy instead
// of a person. Nothing is recorded and nothing is answered until a test calls
// enable(); until then each hook costs one relaxed atomic load.
//
//   TestHooks::enable();
//   TestHooks::confirmNext();              // next TipDialog/CWarningDlg returns 1
//   page.onDelete();
//   QCOMPARE(TestHooks::dialogs().last().text, tr("ConfirmToDelete"));
//
// Answers are taken in order from a queue (confirmNext/rejectNext); when the queue is
// empty the default answer applies (setDefaultAnswer; Show = a real modal dialog).
// Chase (wait) dialogs follow the chase policy. All functions are thread-safe.

#include <QorvaGUIToolkit/QorvaGUIToolkitExport.h>

#include <QList>
#include <QString>
#include <QStringList>

#include <atomic>

namespace QorvaGUIToolkit {

class QORVAGUITOOLKIT_EXPORT TestHooks
{
public:
    enum class Answer {
        Show,    ///< show the dialog and wait for a person (the product's behaviour)
        Confirm, ///< do not show; the dialog returns 1
        Reject   ///< do not show; the dialog returns 0
    };
    enum class ChasePolicy {
        Show,     ///< the wait dialog shows and waits for OnImmediatelyStopChase()
        AutoClose ///< the wait dialog closes itself as soon as its event loop runs
    };
    enum class Kind {
        Notice,   ///< transient notice at the lower right
        ToolTip,  ///< CToolTip::ShowText
        Warning,  ///< CWarningDlg, TipDialog::showWarnMessageInfo
        Question, ///< TipDialog::showMessageInfo
        Chase     ///< CChaseDialog shown (text)
    };
    struct Record
    {
        Kind kind;
        QString title;
        QString text;
        int answer; ///< what the dialog returned (-1 for notices, tool tips, chase)
    };

    /// Starts recording and answering. Tests call it once (initTestCase).
    static void enable();
    /// Stops recording, forgets records and answers, restores the defaults.
    static void disable();
    static bool isEnabled() { return s_enabled.load(std::memory_order_relaxed); }

    /// Queues answers for the next modal dialogs (TipDialog, CWarningDlg).
    static void confirmNext(int count = 1);
    static void rejectNext(int count = 1);
    /// Answer used when the queue is empty (initially Show).
    static void setDefaultAnswer(Answer answer);
    static void setChasePolicy(ChasePolicy policy);
    /// Shorthand for setChasePolicy(AutoClose / Show).
    static void setAutoCloseChase(bool autoClose);
    /// Answers still queued.
    static int pendingAnswers();

    static QList<Record> records();
    static QList<Record> records(Kind kind);
    /// Texts of the records of one kind, oldest first.
    static QStringList notices();
    static QStringList toolTips();
    static QStringList warnings();
    static QList<Record> dialogs(); ///< Question and Warning records
    static void clearRecords();

    // Called by the toolkit's widgets.
    static void record(Kind kind, const QString &title, const QString &text, int answer = -1);
    /// The answer for a dialog about to be shown (consumes a queued answer).
    static Answer takeAnswer();
    static ChasePolicy chasePolicy();

private:
    static std::atomic<bool> s_enabled;
};

} // namespace QorvaGUIToolkit
