#pragma once
// What the UI driver's steps are made of: the outcome of a step, finding widgets by
// object name, acting on them as an operator does, and reading what the toolkit showed.
// GUI thread only.

#include <QString>
#include <QStringList>

#include <functional>

class QAbstractItemView;
class QImage;
class QWidget;

namespace visitorclient {
namespace uidriver {

/// What a step came to. A pending step is polled until it is done or failed, or the
/// step's bound has passed (it then fails with the pending message).
struct StepOutcome
{
    enum State { Done, Failed, Pending };
    State state = Done;
    QString message;
    /// Pending: asked again every few milliseconds; returns Pending to keep waiting.
    std::function<StepOutcome()> poll;

    static StepOutcome done(const QString &message = QString());
    static StepOutcome failed(const QString &message);
    /// waitingFor says what is missing ("3 rows in Appointment_Widget/Table (now 1)").
    static StepOutcome pending(const QString &waitingFor, std::function<StepOutcome()> poll = {});
    /// Done when test is empty, else pending with test's text; re-evaluated each poll.
    static StepOutcome until(const std::function<QString()> &missing);
};

/// Splits a step into words at blanks; "double quotes" keep blanks, \" and \\ escape.
QStringList splitWords(const QString &text, QString *error);

/// The widget a path names: object names separated by "/", each found among the
/// descendants of the one before (the first among the open dialog, the main window and
/// the other visible windows). When a name matches several widgets the visible one
/// counts; more than one visible match is an error that asks for a longer path.
QWidget *findWidget(const QString &path, QString *error);
/// The item view of a widget: itself or its first descendant view (a paged table).
QAbstractItemView *itemViewOf(QWidget *widget);
/// "ClassName "objectName" (title)" for messages.
QString describe(const QWidget *widget);
/// The text an operator reads on a widget: a label's, button's, line edit's, combo
/// box's current one, a text edit's plain text; empty for others.
QString widgetText(const QWidget *widget);

/// The modal dialog open now, wait dialogs excluded; nullptr when there is none.
QWidget *openDialog();
/// The toolkit's wait dialog (a running waiting runner) is open.
bool isWaitDialog(const QWidget *widget);

/// Runs action on the next turn of the event loop and is done when it returned, or
/// when it opened a dialog (the action then goes on once the dialog is answered), so
/// that the next step can look at the dialog. A running wait dialog is waited for. An
/// action that closes the dialog (answering it) is done once the actions the dialog held
/// up have finished too, or another dialog is open. report, when given, makes the
/// message of the finished step.
StepOutcome runAction(const std::function<void()> &action,
                      const std::function<QString()> &report = {});
/// Clicks at a point of the widget with the left button (press and release).
void clickAt(QWidget *widget, const QPoint &pos, bool doubleClick = false);
/// The widget that receives typing for widget: a line edit or text edit itself, the
/// line edit of an editable combo box or a spin box; nullptr when it takes no text.
QWidget *textTarget(QWidget *widget);
/// Replaces the text of an editable widget key by key, so validators and signals see
/// what an operator's typing produces. False when the widget takes no text.
bool typeText(QWidget *widget, const QString &text);
/// The Qt key of a key name (Return, Enter, Escape, Tab, Space, Backspace, Delete, Up,
/// Down); 0 for other names.
int keyCode(const QString &keyName);
/// Sends one key press and release to the widget's text target (or the widget). False
/// for an unknown key name.
bool pressKey(QWidget *widget, const QString &keyName);

/// Texts the toolkit recorded since the last action step (notices, tool tips,
/// warnings, questions, wait dialogs: kind as the script names it). False for an
/// unknown kind.
bool shownTexts(const QString &kind, QStringList *texts);
/// Forgets what was shown so far (each action step does this first).
void markShown();

/// The main window as the operator sees it: with the dialogs, notices and tool tips
/// that lie over it painted in. A null image when there is no main window.
QImage screenshotOfWindow();
/// Where a screenshot named name goes: an absolute path as given, otherwise under
/// $QORVA_UI_SHOT_DIR, else the component's data folder "screenshots/"; ".png" added.
QString screenshotPath(const QString &name);
/// Where the file steps find and put files: name when absolute, else in
/// QORVA_UI_FILE_DIR (default <component data>/files).
QString scenarioFilePath(const QString &name);

} // namespace uidriver
} // namespace visitorclient
