#include "UiDriverSupport.h"

#include <UI/Window/Application/WindowPointers.h>

#include <QorvaGUIToolkit/TestHooks.h>

#include <comm_methodlib/UserDataPath.h>

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractSpinBox>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMap>
#include <QMouseEvent>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPointer>
#include <QTextEdit>
#include <QTimer>

#include <algorithm>
#include <memory>
#include <vector>

namespace visitorclient {
namespace uidriver {

namespace {

using QorvaGUIToolkit::TestHooks;

int g_shownMark = 0;

QList<QWidget *> searchRoots()
{
    QList<QWidget *> roots;
    if (QWidget *modal = QApplication::activeModalWidget())
        roots << modal;
    if (g_pMainWindow != nullptr && !roots.contains(g_pMainWindow))
        roots << g_pMainWindow;
    for (QWidget *w : QApplication::topLevelWidgets()) {
        if (w->isVisible() && !roots.contains(w))
            roots << w;
    }
    return roots;
}

QList<QWidget *> named(const QList<QWidget *> &scopes, const QString &name, bool includeScopes)
{
    QList<QWidget *> found;
    for (QWidget *scope : scopes) {
        if (includeScopes && scope->objectName() == name && !found.contains(scope))
            found << scope;
        for (QWidget *w : scope->findChildren<QWidget *>(name)) {
            if (!found.contains(w))
                found << w;
        }
    }
    return found;
}

QString namesOf(const QList<QWidget *> &widgets)
{
    QStringList names;
    for (const QWidget *w : widgets)
        names << describe(w);
    return names.join(QStringLiteral(", "));
}

// The path of parents' object names, for telling apart widgets of the same name.
QString pathOf(const QWidget *widget)
{
    QStringList parts;
    for (const QWidget *w = widget; w != nullptr; w = w->parentWidget()) {
        if (!w->objectName().isEmpty())
            parts.prepend(w->objectName());
    }
    return parts.join(QLatin1Char('/'));
}

void sendKey(QWidget *widget, int key, const QString &text,
             Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    QKeyEvent press(QEvent::KeyPress, key, modifiers, text);
    QApplication::sendEvent(widget, &press);
    QKeyEvent release(QEvent::KeyRelease, key, modifiers, text);
    QApplication::sendEvent(widget, &release);
}

} // namespace

StepOutcome StepOutcome::done(const QString &message)
{
    StepOutcome o;
    o.message = message;
    return o;
}

StepOutcome StepOutcome::failed(const QString &message)
{
    StepOutcome o;
    o.state = Failed;
    o.message = message;
    return o;
}

StepOutcome StepOutcome::pending(const QString &waitingFor, std::function<StepOutcome()> poll)
{
    StepOutcome o;
    o.state = Pending;
    o.message = waitingFor;
    o.poll = std::move(poll);
    return o;
}

StepOutcome StepOutcome::until(const std::function<QString()> &missing)
{
    const QString now = missing();
    if (now.isEmpty())
        return done();
    return pending(now, [missing] { return until(missing); });
}

QStringList splitWords(const QString &text, QString *error)
{
    QStringList words;
    QString word;
    bool inWord = false;
    bool quoted = false;
    for (int i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c == QLatin1Char('\\') && quoted && i + 1 < text.size()) {
            word += text.at(++i);
        } else if (c == QLatin1Char('"')) {
            quoted = !quoted;
            inWord = true;
        } else if (c.isSpace() && !quoted) {
            if (inWord)
                words << word;
            word.clear();
            inWord = false;
        } else {
            word += c;
            inWord = true;
        }
    }
    if (quoted) {
        *error = QStringLiteral("a quote is not closed");
        return QStringList();
    }
    if (inWord)
        words << word;
    return words;
}

QWidget *findWidget(const QString &path, QString *error)
{
    const QStringList names = path.split(QLatin1Char('/'), Qt::SkipEmptyParts);
    if (names.isEmpty()) {
        *error = QStringLiteral("no widget name given");
        return nullptr;
    }
    QList<QWidget *> scopes = searchRoots();
    if (scopes.isEmpty()) {
        *error = QStringLiteral("no window is open");
        return nullptr;
    }
    for (int i = 0; i < names.size(); ++i) {
        const QList<QWidget *> found = named(scopes, names.at(i), i == 0);
        if (found.isEmpty()) {
            *error = i == 0 ? QStringLiteral("no widget named \"%1\" (looked in %2)")
                                  .arg(names.at(i), namesOf(scopes))
                            : QStringLiteral("no widget named \"%1\" inside \"%2\"")
                                  .arg(names.at(i), names.mid(0, i).join(QLatin1Char('/')));
            return nullptr;
        }
        scopes = found;
    }
    QList<QWidget *> visible;
    for (QWidget *w : scopes) {
        if (w->isVisible())
            visible << w;
    }
    if (scopes.size() == 1)
        return scopes.first();
    if (visible.size() == 1)
        return visible.first();
    QStringList paths;
    for (const QWidget *w : visible.isEmpty() ? scopes : visible)
        paths << pathOf(w);
    *error = QStringLiteral("\"%1\" names %2 widgets (%3); give a longer path")
                 .arg(path)
                 .arg(visible.isEmpty() ? scopes.size() : visible.size())
                 .arg(paths.join(QStringLiteral(", ")));
    return nullptr;
}

QAbstractItemView *itemViewOf(QWidget *widget)
{
    if (auto *view = qobject_cast<QAbstractItemView *>(widget))
        return view;
    return widget != nullptr ? widget->findChild<QAbstractItemView *>() : nullptr;
}

QString describe(const QWidget *widget)
{
    QString text =
        QStringLiteral("%1 \"%2\"")
            .arg(QString::fromLatin1(widget->metaObject()->className()), widget->objectName());
    if (widget->isWindow() && !widget->windowTitle().isEmpty())
        text += QStringLiteral(" (%1)").arg(widget->windowTitle());
    return text;
}

QString widgetText(const QWidget *widget)
{
    if (const auto *label = qobject_cast<const QLabel *>(widget))
        return label->text();
    if (const auto *button = qobject_cast<const QAbstractButton *>(widget))
        return button->text();
    if (const auto *edit = qobject_cast<const QLineEdit *>(widget))
        return edit->text();
    if (const auto *combo = qobject_cast<const QComboBox *>(widget))
        return combo->currentText();
    if (const auto *text = qobject_cast<const QTextEdit *>(widget))
        return text->toPlainText();
    if (const auto *plain = qobject_cast<const QPlainTextEdit *>(widget))
        return plain->toPlainText();
    if (const auto *spin = qobject_cast<const QAbstractSpinBox *>(widget))
        return spin->text();
    return QString();
}

bool isWaitDialog(const QWidget *widget)
{
    return widget != nullptr && widget->objectName() == QLatin1String("CChaseDialog");
}

QWidget *openDialog()
{
    QWidget *modal = QApplication::activeModalWidget();
    return isWaitDialog(modal) ? nullptr : modal;
}

namespace {

using Flag = std::shared_ptr<bool>;

// Actions started by steps and not finished yet: one held up by a dialog goes on once a
// later step answers the dialog.
std::vector<std::weak_ptr<bool>> g_actions;

std::vector<Flag> runningActions()
{
    std::vector<Flag> running;
    for (const auto &weak : g_actions) {
        if (Flag flag = weak.lock(); flag && !*flag)
            running.push_back(flag);
    }
    return running;
}

StepOutcome pollAction(const Flag &finished, const QPointer<QWidget> &dialogBefore,
                       const std::function<QString()> &report, const std::vector<Flag> &heldUp)
{
    QWidget *dialog = openDialog();
    if (*finished) {
        // Once no dialog holds them any more, the actions it held up finish before the
        // step does: what they show belongs to them, not to the next step.
        const bool heldUpDone =
            std::all_of(heldUp.begin(), heldUp.end(), [](const Flag &flag) { return *flag; });
        if (dialog != nullptr || heldUpDone)
            return StepOutcome::done(report ? report() : QString());
    } else if (dialog != nullptr && dialog != dialogBefore) {
        return StepOutcome::done(QStringLiteral("a dialog is open: %1").arg(describe(dialog)));
    }
    return StepOutcome::pending(QStringLiteral("the action to finish"),
                                [finished, dialogBefore, report, heldUp] {
                                    return pollAction(finished, dialogBefore, report, heldUp);
                                });
}

} // namespace

StepOutcome runAction(const std::function<void()> &action, const std::function<QString()> &report)
{
    markShown();
    const std::vector<Flag> heldUp = runningActions();
    g_actions.erase(std::remove_if(g_actions.begin(), g_actions.end(),
                                   [](const std::weak_ptr<bool> &weak) {
                                       const Flag flag = weak.lock();
                                       return !flag || *flag;
                                   }),
                    g_actions.end());
    auto finished = std::make_shared<bool>(false);
    g_actions.push_back(finished);
    const QPointer<QWidget> dialogBefore = openDialog();
    QTimer::singleShot(0, qApp, [action, finished] {
        action();
        *finished = true;
    });
    return pollAction(finished, dialogBefore, report, heldUp);
}

void clickAt(QWidget *widget, const QPoint &pos, bool doubleClick)
{
    const QPoint global = widget->mapToGlobal(pos);
    QPointer<QWidget> guard = widget;
    QMouseEvent press(QEvent::MouseButtonPress, pos, global, Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    QApplication::sendEvent(widget, &press);
    if (!guard)
        return;
    QMouseEvent release(QEvent::MouseButtonRelease, pos, global, Qt::LeftButton, Qt::NoButton,
                        Qt::NoModifier);
    QApplication::sendEvent(widget, &release);
    if (doubleClick && guard) {
        QMouseEvent dbl(QEvent::MouseButtonDblClick, pos, global, Qt::LeftButton, Qt::LeftButton,
                        Qt::NoModifier);
        QApplication::sendEvent(widget, &dbl);
        if (guard) {
            QMouseEvent again(QEvent::MouseButtonRelease, pos, global, Qt::LeftButton, Qt::NoButton,
                              Qt::NoModifier);
            QApplication::sendEvent(widget, &again);
        }
    }
}

QWidget *textTarget(QWidget *widget)
{
    if (qobject_cast<QLineEdit *>(widget) != nullptr ||
        qobject_cast<QTextEdit *>(widget) != nullptr ||
        qobject_cast<QPlainTextEdit *>(widget) != nullptr)
        return widget;
    if (auto *combo = qobject_cast<QComboBox *>(widget))
        return combo->lineEdit();
    if (qobject_cast<QAbstractSpinBox *>(widget) != nullptr)
        return widget->findChild<QLineEdit *>();
    return nullptr;
}

bool typeText(QWidget *widget, const QString &text)
{
    QWidget *target = textTarget(widget);
    if (target == nullptr)
        return false;
    if (auto *edit = qobject_cast<QLineEdit *>(target))
        edit->selectAll();
    else if (auto *rich = qobject_cast<QTextEdit *>(target))
        rich->selectAll();
    else if (auto *plain = qobject_cast<QPlainTextEdit *>(target))
        plain->selectAll();
    target->setFocus(Qt::OtherFocusReason);
    sendKey(target, Qt::Key_Backspace, QString());
    // One event per character (a surrogate pair travels together).
    for (int i = 0; i < text.size(); ++i) {
        const int length = text.at(i).isHighSurrogate() && i + 1 < text.size() ? 2 : 1;
        sendKey(target, Qt::Key_unknown, text.mid(i, length));
        i += length - 1;
    }
    return true;
}

int keyCode(const QString &keyName)
{
    static const QMap<QString, int> keys{{QStringLiteral("Return"), Qt::Key_Return},
                                         {QStringLiteral("Enter"), Qt::Key_Enter},
                                         {QStringLiteral("Escape"), Qt::Key_Escape},
                                         {QStringLiteral("Tab"), Qt::Key_Tab},
                                         {QStringLiteral("Space"), Qt::Key_Space},
                                         {QStringLiteral("Backspace"), Qt::Key_Backspace},
                                         {QStringLiteral("Delete"), Qt::Key_Delete},
                                         {QStringLiteral("Up"), Qt::Key_Up},
                                         {QStringLiteral("Down"), Qt::Key_Down}};
    return keys.value(keyName, 0);
}

bool pressKey(QWidget *widget, const QString &keyName)
{
    const int key = keyCode(keyName);
    if (key == 0)
        return false;
    QWidget *target = textTarget(widget);
    sendKey(target != nullptr ? target : widget, key,
            key == Qt::Key_Space ? QStringLiteral(" ") : QString());
    return true;
}

bool shownTexts(const QString &kind, QStringList *texts)
{
    static const QMap<QString, TestHooks::Kind> kinds{
        {QStringLiteral("notice"), TestHooks::Kind::Notice},
        {QStringLiteral("tooltip"), TestHooks::Kind::ToolTip},
        {QStringLiteral("warning"), TestHooks::Kind::Warning},
        {QStringLiteral("question"), TestHooks::Kind::Question},
        {QStringLiteral("wait"), TestHooks::Kind::Chase}};
    const auto it = kinds.constFind(kind);
    if (it == kinds.constEnd())
        return false;
    const QList<TestHooks::Record> records = TestHooks::records();
    texts->clear();
    // Records cleared since the mark (a test did so) all count.
    for (int i = g_shownMark <= records.size() ? g_shownMark : 0; i < records.size(); ++i) {
        if (records.at(i).kind == it.value())
            *texts << records.at(i).text;
    }
    return true;
}

void markShown()
{
    g_shownMark = TestHooks::records().size();
}

QImage screenshotOfWindow()
{
    QWidget *main = g_pMainWindow;
    if (main == nullptr || !main->isVisible())
        return QImage();
    QImage image = main->grab().toImage();
    const QRect frame = main->geometry();
    QList<QWidget *> above;
    for (QWidget *w : QApplication::topLevelWidgets()) {
        if (w != main && w->isVisible() && w->geometry().intersects(frame))
            above << w;
    }
    // The modal dialog lies on top of everything else.
    QWidget *modal = QApplication::activeModalWidget();
    if (above.removeOne(modal))
        above << modal;
    QPainter painter(&image);
    for (QWidget *w : above)
        painter.drawPixmap(w->geometry().topLeft() - frame.topLeft(), w->grab());
    return image;
}

QString screenshotPath(const QString &name)
{
    QString file = name.endsWith(QLatin1String(".png"), Qt::CaseInsensitive)
                       ? name
                       : name + QStringLiteral(".png");
    if (QFileInfo(file).isAbsolute())
        return file;
    QString dir = qEnvironmentVariable("QORVA_UI_SHOT_DIR");
    if (dir.isEmpty())
        dir = QString::fromStdString(comm_methodlib::CUserDataPath::Instance().componentPath()) +
              QStringLiteral("screenshots");
    return QDir(dir).absoluteFilePath(file);
}

QString scenarioFilePath(const QString &name)
{
    if (QFileInfo(name).isAbsolute())
        return name;
    QString dir = qEnvironmentVariable("QORVA_UI_FILE_DIR");
    if (dir.isEmpty())
        dir = QString::fromStdString(comm_methodlib::CUserDataPath::Instance().componentPath()) +
              QStringLiteral("files");
    return QDir(dir).absoluteFilePath(name);
}

} // namespace uidriver
} // namespace visitorclient
