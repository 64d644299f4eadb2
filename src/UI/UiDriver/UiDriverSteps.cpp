#include "UiDriverSteps.h"

#include <UI/Window/Application/Widget.h>
#include <UI/Window/Application/WindowPointers.h>
#include <UI/Window/Visitor/Appointment/Import/XlsxReader.h>

#include <QorvaGUIToolkit/CBaseCentralWidget.h>
#include <QorvaGUIToolkit/CMultiPageServerTableView.h>
#include <QorvaGUIToolkit/CMultilevelComboBox.h>
#include <QorvaGUIToolkit/CTableDelegate.h>
#include <QorvaGUIToolkit/TestHooks.h>

#include <QAbstractAnimation>
#include <QAbstractButton>
#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QImage>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPointer>
#include <QSet>
#include <QStackedWidget>
#include <QTreeView>

namespace visitorclient {
namespace uidriver {

namespace {

using QorvaGUIToolkit::TestHooks;

// --- helpers shared by several steps -----------------------------------------------------

#define FIND_OR_FAIL(var, path)                                                                    \
    QString var##Error;                                                                            \
    QWidget *var = findWidget(path, &var##Error);                                                  \
    if (var == nullptr)                                                                            \
        return StepOutcome::failed(var##Error);

bool parseYesNo(const QString &word, bool *value)
{
    if (word == QLatin1String("yes") || word == QLatin1String("on")) {
        *value = true;
        return true;
    }
    if (word == QLatin1String("no") || word == QLatin1String("off")) {
        *value = false;
        return true;
    }
    return false;
}

// Row (1-based as the script gives it) of an item view, or an error.
QModelIndex rowIndex(QAbstractItemView *view, const QString &rowText, int column, QString *error)
{
    bool ok = false;
    const int row = rowText.toInt(&ok);
    const int rows = view->model() != nullptr ? view->model()->rowCount() : 0;
    if (!ok || row < 1 || row > rows) {
        *error = QStringLiteral("row %1 does not exist (the table shows %2 rows)")
                     .arg(rowText)
                     .arg(rows);
        return QModelIndex();
    }
    const int columns = view->model()->columnCount();
    if (column < 0 || column >= columns) {
        *error = QStringLiteral("column %1 does not exist (the table has %2 columns)")
                     .arg(column + 1)
                     .arg(columns);
        return QModelIndex();
    }
    return view->model()->index(row - 1, column);
}

QorvaGUIToolkit::CBaseCentralWidget *centralWidget()
{
    return g_pMainWindow != nullptr
               ? g_pMainWindow->findChild<QorvaGUIToolkit::CBaseCentralWidget *>()
               : nullptr;
}

QString currentPageName()
{
    QorvaGUIToolkit::CBaseCentralWidget *central = centralWidget();
    QWidget *page = central != nullptr ? central->currentPage() : nullptr;
    return page != nullptr ? page->objectName() : QString();
}

// Chooses an item as the operator's pick does: current, then "activated".
StepOutcome chooseItem(QComboBox *combo, int index)
{
    QPointer<QComboBox> guard = combo;
    return runAction([guard, index] {
        if (!guard)
            return;
        guard->setCurrentIndex(index);
        emit guard->activated(index);
    });
}

// Presses an item anywhere in a tree combo box's popup, as the operator picks it with the
// keyboard; the box decides whether it takes the item. A multiple choice is closed after.
StepOutcome pressTreeItem(QorvaGUIToolkit::CMultilevelComboBox *combo, const QString &text)
{
    QAbstractItemModel *model = combo->GetModel();
    const QModelIndexList found = model != nullptr && model->rowCount() > 0
                                      ? model->match(model->index(0, 0), Qt::DisplayRole, text, 1,
                                                     Qt::MatchExactly | Qt::MatchRecursive)
                                      : QModelIndexList();
    if (found.isEmpty())
        return StepOutcome::failed(
            QStringLiteral("%1 has no item \"%2\"").arg(describe(combo), text));
    QPointer<QorvaGUIToolkit::CMultilevelComboBox> guard = combo;
    const QPersistentModelIndex target = found.first();
    return runAction([guard, target] {
        if (!guard || !target.isValid())
            return;
        guard->showPopup();
        guard->LocationModel(target);
        guard->GetTreeView()->setCurrentIndex(target);
        QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
        QCoreApplication::sendEvent(guard->GetTreeView(), &enter);
        if (guard->IsMultiSelect())
            guard->hidePopup();
    });
}

StepOutcome clickCell(const QStringList &args, bool doubleClick)
{
    FIND_OR_FAIL(widget, args[0]);
    QAbstractItemView *view = itemViewOf(widget);
    if (view == nullptr)
        return StepOutcome::failed(QStringLiteral("%1 is no table or tree").arg(describe(widget)));
    QString error;
    const QModelIndex index = rowIndex(view, args[1], args[2].toInt() - 1, &error);
    if (!index.isValid())
        return StepOutcome::failed(error);
    view->scrollTo(index);
    QRect target = view->visualRect(index);
    // A cell with a clickable icon is clicked on the icon, as an operator would.
    if (auto *delegate =
            qobject_cast<QorvaGUIToolkit::CTableDelegate *>(view->itemDelegate(index))) {
        const QRect icon = delegate->IconRect(target, index);
        if (!icon.isNull())
            target = icon;
    }
    QPointer<QWidget> viewport = view->viewport();
    const QPoint point = target.center();
    return runAction([viewport, point, doubleClick] {
        if (viewport)
            clickAt(viewport, point, doubleClick);
    });
}

// --- the steps, alphabetical ----------------------------------------------------------

StepOutcome answer(const QStringList &args)
{
    const bool confirm = args[0] == QLatin1String("confirm");
    if (!confirm && args[0] != QLatin1String("reject"))
        return StepOutcome::failed(
            QStringLiteral("answer confirm or reject, not \"%1\"").arg(args[0]));
    // A question open now is answered with its buttons; otherwise the next one is.
    if (QWidget *dialog = openDialog()) {
        auto *ok = dialog->findChild<QAbstractButton *>(QStringLiteral("TipDialogConfirm"));
        if (ok == nullptr)
            ok = dialog->findChild<QAbstractButton *>(QStringLiteral("WarningConfirm"));
        auto *cancel = dialog->findChild<QAbstractButton *>(QStringLiteral("TipDialogCancel"));
        QAbstractButton *button = confirm ? ok : (cancel != nullptr ? cancel : ok);
        if (button == nullptr)
            return StepOutcome::failed(
                QStringLiteral("the open dialog %1 is no question").arg(describe(dialog)));
        QPointer<QAbstractButton> guard = button;
        return runAction([guard] {
            if (guard)
                guard->click();
        });
    }
    if (confirm)
        TestHooks::confirmNext();
    else
        TestHooks::rejectNext();
    return StepOutcome::done(QStringLiteral("the next question will be answered"));
}

// file-dialog NAME|cancel: answers the open file dialog with a file of the file folder.
StepOutcome fileDialog(const QStringList &args)
{
    auto *dialog = qobject_cast<QFileDialog *>(openDialog());
    if (dialog == nullptr)
        return StepOutcome::failed(QStringLiteral("no file dialog is open"));
    QPointer<QFileDialog> guard = dialog;
    if (args[0] == QLatin1String("cancel")) {
        return runAction([guard] {
            if (guard)
                guard->reject();
        });
    }
    const QFileInfo file(scenarioFilePath(args[0]));
    return runAction([guard, file] {
        if (!guard)
            return;
        // selectFile leaves the name field alone while it has the focus (a save dialog).
        guard->setDirectory(file.absolutePath());
        if (auto *name = guard->findChild<QLineEdit *>(QStringLiteral("fileNameEdit")))
            name->setText(file.fileName());
        else
            guard->selectFile(file.fileName());
        static_cast<QDialog *>(guard.data())->accept();
    });
}

StepOutcome click(const QStringList &args)
{
    FIND_OR_FAIL(widget, args[0]);
    if (!widget->isEnabled())
        return StepOutcome::failed(QStringLiteral("%1 is disabled").arg(describe(widget)));
    QPointer<QWidget> guard = widget;
    return runAction([guard] {
        if (!guard)
            return;
        if (auto *button = qobject_cast<QAbstractButton *>(guard.data()))
            button->click();
        else
            clickAt(guard, guard->rect().center());
    });
}

StepOutcome clickCellStep(const QStringList &args)
{
    return clickCell(args, false);
}

StepOutcome doubleClickCell(const QStringList &args)
{
    return clickCell(args, true);
}

StepOutcome expect(const QStringList &args)
{
    const QString kind = args[0];
    const QString text = args.mid(1).join(QLatin1Char(' '));
    QStringList probe;
    if (!shownTexts(kind, &probe))
        return StepOutcome::failed(
            QStringLiteral("expect notice, tooltip, warning, question or wait, not \"%1\"")
                .arg(kind));
    return StepOutcome::until([kind, text]() -> QString {
        QStringList texts;
        shownTexts(kind, &texts);
        for (const QString &t : texts) {
            if (t.contains(text))
                return QString();
        }
        return QStringLiteral("a %1 containing \"%2\" (shown since the last action: %3)")
            .arg(kind, text,
                 texts.isEmpty()
                     ? QStringLiteral("none")
                     : QLatin1Char('"') + texts.join(QStringLiteral("\", \"")) + QLatin1Char('"'));
    });
}

// expect-xlsx FILE ROWS [TEXT ...]: the first sheet of the workbook FILE of the file folder
// has ROWS rows with values, and each TEXT is the whole text of a text cell (so digit
// strings came back as written, not as numbers).
StepOutcome expectXlsx(const QStringList &args)
{
    bool isNumber = false;
    const int rows = args[1].toInt(&isNumber);
    if (!isNumber || rows < 0)
        return StepOutcome::failed(QStringLiteral("expect-xlsx FILE ROWS [TEXT ...]"));
    const QString path = scenarioFilePath(args[0]);
    const QStringList texts = args.mid(2);
    return StepOutcome::until([path, rows, texts]() -> QString {
        QString error;
        std::unique_ptr<IXlsxPackage> package = openZipPackage(path, error);
        if (!package)
            return QStringLiteral("a workbook at %1 (%2)").arg(path, error);
        CXlsxReader reader(std::move(package));
        int read = 0;
        QSet<QString> cells;
        const bool ok = reader.open() && reader.checkSheets() &&
                        reader.readSheet(0, [&](int, const std::vector<CXlsxReader::Cell> &row) {
                            ++read;
                            for (const CXlsxReader::Cell &cell : row) {
                                if (cell.kind == CXlsxReader::CellKind::Text)
                                    cells.insert(cell.text);
                            }
                            return true;
                        });
        if (!ok)
            return QStringLiteral("a readable workbook at %1 (%2)").arg(path, reader.errorText());
        QStringList missing;
        for (const QString &text : texts) {
            if (!cells.contains(text))
                missing << text;
        }
        if (read == rows && missing.isEmpty())
            return QString();
        return QStringLiteral("%1 rows and the texts \"%2\" in %3 (read %4 rows; missing \"%5\")")
            .arg(rows)
            .arg(texts.join(QStringLiteral("\", \"")), path)
            .arg(read)
            .arg(missing.join(QStringLiteral("\", \"")));
    });
}

StepOutcome key(const QStringList &args)
{
    FIND_OR_FAIL(widget, args[0]);
    if (keyCode(args[1]) == 0)
        return StepOutcome::failed(QStringLiteral("unknown key \"%1\"").arg(args[1]));
    QPointer<QWidget> guard = widget;
    const QString name = args[1];
    return runAction([guard, name] {
        if (guard)
            pressKey(guard, name);
    });
}

StepOutcome markStep(const QStringList &)
{
    markShown();
    return StepOutcome::done();
}

StepOutcome navigate(const QStringList &args)
{
    QorvaGUIToolkit::CBaseCentralWidget *central = centralWidget();
    if (central == nullptr)
        return StepOutcome::failed(QStringLiteral("the main window is not open"));
    // The entry as the operator reads it: the translation of the navigation key.
    const QString text =
        QCoreApplication::translate("visitorclient::MainWindow", args[0].toUtf8().constData());
    QStringList entries;
    for (QAbstractButton *button : central->findChildren<QAbstractButton *>()) {
        if (button->objectName() != QLatin1String("NavigationEntry") &&
            !(button->objectName() == QLatin1String("NavigationGroup") && button->isCheckable()))
            continue;
        entries << button->text();
        if (button->text() != text && button->text() != args[0])
            continue;
        QPointer<QAbstractButton> guard = button;
        return runAction(
            [guard] {
                if (guard)
                    guard->click();
            },
            [] { return QStringLiteral("page %1 shown").arg(currentPageName()); });
    }
    return StepOutcome::failed(QStringLiteral("no navigation entry \"%1\" (entries: %2)")
                                   .arg(text, entries.join(QStringLiteral(", "))));
}

StepOutcome page(const QStringList &args)
{
    FIND_OR_FAIL(widget, args[0]);
    auto *table = qobject_cast<QorvaGUIToolkit::CMultiPageServerTableView *>(widget);
    if (table == nullptr)
        table = widget->findChild<QorvaGUIToolkit::CMultiPageServerTableView *>();
    if (table == nullptr)
        return StepOutcome::failed(QStringLiteral("%1 has no pager").arg(describe(widget)));
    static const QMap<QString, QString> buttons{
        {QStringLiteral("first"), QStringLiteral("PagerFirstButton")},
        {QStringLiteral("previous"), QStringLiteral("PagerPreviousButton")},
        {QStringLiteral("next"), QStringLiteral("PagerNextButton")},
        {QStringLiteral("last"), QStringLiteral("PagerLastButton")}};
    if (buttons.contains(args[1])) {
        QPointer<QAbstractButton> button =
            table->findChild<QAbstractButton *>(buttons.value(args[1]));
        return runAction([button] {
            if (button)
                button->click();
        });
    }
    bool ok = false;
    args[1].toInt(&ok);
    auto *edit = table->findChild<QLineEdit *>(QStringLiteral("PagerPageEdit"));
    if (!ok || edit == nullptr)
        return StepOutcome::failed(
            QStringLiteral("page takes a number, first, previous, next or last"));
    QPointer<QLineEdit> guard = edit;
    const QString number = args[1];
    return runAction([guard, number] {
        if (guard && typeText(guard, number))
            pressKey(guard, QStringLiteral("Return"));
    });
}

StepOutcome pageSize(const QStringList &args)
{
    FIND_OR_FAIL(widget, args[0]);
    auto *combo = widget->findChild<QComboBox *>(QStringLiteral("PagerPageSizeCombo"));
    if (combo == nullptr)
        return StepOutcome::failed(QStringLiteral("%1 has no pager").arg(describe(widget)));
    const int index = combo->findData(args[1].toInt());
    if (index < 0) {
        QStringList sizes;
        for (int i = 0; i < combo->count(); ++i)
            sizes << combo->itemData(i).toString();
        return StepOutcome::failed(QStringLiteral("page size %1 is not offered (%2)")
                                       .arg(args[1], sizes.join(QStringLiteral(", "))));
    }
    return chooseItem(combo, index);
}

// A drawer still sliding in would be caught half-way.
bool animationRunning()
{
    const QWidgetList windows = QApplication::topLevelWidgets();
    for (const QWidget *window : windows) {
        const QList<QAbstractAnimation *> animations = window->findChildren<QAbstractAnimation *>();
        for (const QAbstractAnimation *animation : animations) {
            if (animation->state() == QAbstractAnimation::Running)
                return true;
        }
    }
    return false;
}

StepOutcome screenshot(const QStringList &args)
{
    if (animationRunning())
        return StepOutcome::pending(QStringLiteral("the animations to end"),
                                    [args] { return screenshot(args); });
    const bool ofDialog = args.value(1) == QLatin1String("dialog");
    QImage image;
    if (ofDialog) {
        QWidget *dialog = QApplication::activeModalWidget();
        if (dialog == nullptr)
            return StepOutcome::failed(QStringLiteral("no dialog is open"));
        image = dialog->grab().toImage();
    } else if (args.value(1) == QLatin1String("window")) {
        // Another top-level window of the component (the tool windows), by object name.
        QWidget *window = nullptr;
        for (QWidget *w : QApplication::topLevelWidgets()) {
            if (w->isVisible() && w->objectName() == args.value(2))
                window = w;
        }
        if (window == nullptr)
            return StepOutcome::failed(QStringLiteral("no window %1 is shown").arg(args.value(2)));
        image = window->grab().toImage();
    } else {
        image = screenshotOfWindow();
    }
    if (image.isNull())
        return StepOutcome::failed(QStringLiteral("the main window is not shown"));
    const QString path = screenshotPath(args[0]);
    QDir().mkpath(QFileInfo(path).absolutePath());
    // Read back: a file that cannot be read is no screenshot.
    if (!image.save(path, "PNG") || QImage(path).size() != image.size())
        return StepOutcome::failed(
            QStringLiteral("the screenshot could not be written to %1").arg(path));
    return StepOutcome::done(
        QStringLiteral("%1 (%2 x %3)").arg(path).arg(image.width()).arg(image.height()));
}

StepOutcome select(const QStringList &args)
{
    FIND_OR_FAIL(widget, args[0]);
    auto *combo = qobject_cast<QComboBox *>(widget);
    if (combo == nullptr)
        return StepOutcome::failed(QStringLiteral("%1 is no combo box").arg(describe(widget)));
    const QString text = args.mid(1).join(QLatin1Char(' '));
    if (auto *tree = qobject_cast<QorvaGUIToolkit::CMultilevelComboBox *>(combo))
        return pressTreeItem(tree, text);
    const int index = combo->findText(text);
    if (index < 0) {
        QStringList items;
        for (int i = 0; i < combo->count(); ++i)
            items << combo->itemText(i);
        return StepOutcome::failed(
            QStringLiteral("%1 has no item \"%2\" (items: %3)")
                .arg(describe(widget), text, items.join(QStringLiteral(", "))));
    }
    return chooseItem(combo, index);
}

StepOutcome selectRow(const QStringList &args)
{
    FIND_OR_FAIL(widget, args[0]);
    QAbstractItemView *view = itemViewOf(widget);
    if (view == nullptr)
        return StepOutcome::failed(QStringLiteral("%1 is no table or tree").arg(describe(widget)));
    QString error;
    const QModelIndex index = rowIndex(view, args[1], 0, &error);
    if (!index.isValid())
        return StepOutcome::failed(error);
    QPointer<QAbstractItemView> guard = view;
    const QPersistentModelIndex target = index;
    return runAction([guard, target] {
        if (!guard || !target.isValid())
            return;
        guard->scrollTo(target);
        guard->setCurrentIndex(target);
        guard->selectionModel()->select(target, QItemSelectionModel::ClearAndSelect |
                                                    QItemSelectionModel::Rows);
    });
}

StepOutcome showPage(const QStringList &args)
{
    QorvaGUIToolkit::CBaseCentralWidget *central = centralWidget();
    QWidget *page =
        g_pMainWindow != nullptr ? g_pMainWindow->findChild<QWidget *>(args[0]) : nullptr;
    auto *content = central != nullptr
                        ? central->findChild<QStackedWidget *>(QStringLiteral("CentralContent"))
                        : nullptr;
    if (page == nullptr || content == nullptr)
        return StepOutcome::failed(
            QStringLiteral("no page \"%1\" in the main window").arg(args[0]));
    // A page without a navigation entry joins the content area the way an entry's page does.
    if (content->indexOf(page) < 0)
        content->addWidget(page);
    QPointer<QWidget> guard = page;
    QPointer<QStackedWidget> stack = content;
    return runAction(
        [guard, stack] {
            if (!guard || !stack)
                return;
            if (auto *base = dynamic_cast<Widget *>(guard.data()))
                base->activatePage();
            stack->setCurrentWidget(guard);
        },
        [] { return QStringLiteral("page %1 shown").arg(currentPageName()); });
}

StepOutcome size(const QStringList &args)
{
    if (g_pMainWindow == nullptr)
        return StepOutcome::failed(QStringLiteral("the main window is not open"));
    const int width = args[0].toInt();
    const int height = args[1].toInt();
    if (width < 200 || height < 150)
        return StepOutcome::failed(
            QStringLiteral("size %1 x %2 is too small").arg(args[0], args[1]));
    g_pMainWindow->resize(width, height);
    return StepOutcome::done();
}

StepOutcome tick(const QStringList &args)
{
    FIND_OR_FAIL(widget, args[0]);
    if (auto *button = qobject_cast<QAbstractButton *>(widget)) {
        bool on = true;
        if (args.size() > 1 && !parseYesNo(args[1], &on))
            return StepOutcome::failed(
                QStringLiteral("tick a check box on or off, not \"%1\"").arg(args[1]));
        if (!button->isCheckable())
            return StepOutcome::failed(QStringLiteral("%1 cannot be ticked").arg(describe(widget)));
        QPointer<QAbstractButton> guard = button;
        return runAction([guard, on] {
            if (guard && guard->isChecked() != on)
                guard->click();
        });
    }
    QAbstractItemView *view = itemViewOf(widget);
    if (view == nullptr || args.size() < 2)
        return StepOutcome::failed(QStringLiteral("tick takes a check box, or a table and a row"));
    // An optional column picks one of several check boxes of the row.
    int wantedColumn = -1;
    int next = 2;
    if (args.size() > next) {
        bool isNumber = false;
        const int column = args[next].toInt(&isNumber);
        if (isNumber) {
            wantedColumn = column - 1;
            ++next;
        }
    }
    bool on = true;
    if (args.size() > next && !parseYesNo(args[next], &on))
        return StepOutcome::failed(
            QStringLiteral("tick a row on or off, not \"%1\"").arg(args[next]));
    QString error;
    QModelIndex index = rowIndex(view, args[1], qMax(wantedColumn, 0), &error);
    if (!index.isValid())
        return StepOutcome::failed(error);
    QAbstractItemModel *model = view->model();
    QModelIndex box;
    if (wantedColumn >= 0) {
        const Qt::ItemFlags flags = model->flags(index);
        if (!(flags & Qt::ItemIsUserCheckable) || !(flags & Qt::ItemIsEnabled))
            return StepOutcome::failed(
                QStringLiteral("row %1 has no check box the operator can tick in column %2")
                    .arg(args[1])
                    .arg(wantedColumn + 1));
        box = index;
    } else {
        for (int column = 0; column < model->columnCount() && !box.isValid(); ++column) {
            const QModelIndex cell = model->index(index.row(), column);
            if (model->flags(cell) & Qt::ItemIsUserCheckable)
                box = cell;
        }
        if (!box.isValid())
            return StepOutcome::failed(QStringLiteral("row %1 has no check box").arg(args[1]));
    }
    const QPersistentModelIndex target = box;
    return runAction([target, on] {
        if (target.isValid())
            const_cast<QAbstractItemModel *>(target.model())
                ->setData(target, on ? Qt::Checked : Qt::Unchecked, Qt::CheckStateRole);
    });
}

// tick-item PATH ITEM-TEXT [on|off]: the box of a tree item found by its text at any
// depth, then the click the view reports for it, as when the operator clicks the box.
StepOutcome tickItem(const QStringList &args)
{
    FIND_OR_FAIL(widget, args[0]);
    QAbstractItemView *view = itemViewOf(widget);
    if (view == nullptr || view->model() == nullptr)
        return StepOutcome::failed(QStringLiteral("%1 is no tree or list").arg(describe(widget)));
    bool on = true;
    QStringList words = args.mid(1);
    if (words.size() > 1 && parseYesNo(words.last(), &on))
        words.removeLast();
    const QString text = words.join(QLatin1Char(' '));
    QAbstractItemModel *model = view->model();
    const QModelIndexList found = model->rowCount() > 0
                                      ? model->match(model->index(0, 0), Qt::DisplayRole, text, 1,
                                                     Qt::MatchExactly | Qt::MatchRecursive)
                                      : QModelIndexList();
    if (found.isEmpty())
        return StepOutcome::failed(
            QStringLiteral("%1 has no item \"%2\"").arg(describe(widget), text));
    if (!(model->flags(found.first()) & Qt::ItemIsUserCheckable))
        return StepOutcome::failed(QStringLiteral("item \"%1\" has no check box").arg(text));
    QPointer<QAbstractItemView> guard = view;
    const QPersistentModelIndex target = found.first();
    return runAction([guard, target, on] {
        if (!guard || !target.isValid())
            return;
        guard->scrollTo(target);
        guard->model()->setData(target, on ? Qt::Checked : Qt::Unchecked, Qt::CheckStateRole);
        emit guard->clicked(target);
    });
}

StepOutcome type(const QStringList &args)
{
    FIND_OR_FAIL(widget, args[0]);
    if (!widget->isEnabled())
        return StepOutcome::failed(QStringLiteral("%1 is disabled").arg(describe(widget)));
    if (textTarget(widget) == nullptr)
        return StepOutcome::failed(QStringLiteral("%1 takes no text").arg(describe(widget)));
    const QString text = args.mid(1).join(QLatin1Char(' '));
    QPointer<QWidget> guard = widget;
    return runAction([guard, text] {
        if (guard)
            typeText(guard, text);
    });
}

// type-file PATH NAME: types the full path of a file of the file folder.
StepOutcome typeFile(const QStringList &args)
{
    return type({args[0], scenarioFilePath(args.mid(1).join(QLatin1Char(' ')))});
}

// A cell (row as the script gives it, 0-based column) of the table widget at path, or an
// invalid index with error set.
QModelIndex tableCell(QWidget *widget, const QString &path, const QString &row, int column,
                      QString *error)
{
    QAbstractItemView *view = itemViewOf(widget);
    if (view == nullptr) {
        *error = QStringLiteral("%1 to be a table").arg(path);
        return QModelIndex();
    }
    return rowIndex(view, row, column, error);
}

// wait checked PATH [ROW COLUMN] yes|no: a check box, or the check box of a table cell.
StepOutcome waitChecked(const QString &path, const QStringList &rest)
{
    bool on = false;
    if ((rest.size() != 1 && rest.size() != 3) || !parseYesNo(rest.last(), &on))
        return StepOutcome::failed(QStringLiteral("wait checked PATH [ROW COLUMN] yes|no"));
    const QString row = rest.size() == 3 ? rest[0] : QString();
    const int column = rest.size() == 3 ? rest[1].toInt() - 1 : -1;
    return StepOutcome::until([path, row, column, on]() -> QString {
        QString error;
        QWidget *widget = findWidget(path, &error);
        if (widget == nullptr)
            return error;
        bool now = false;
        if (row.isEmpty()) {
            auto *box = qobject_cast<QAbstractButton *>(widget);
            if (box == nullptr || !box->isCheckable())
                return QStringLiteral("%1 to be a check box").arg(path);
            now = box->isChecked();
        } else {
            const QModelIndex cell = tableCell(widget, path, row, column, &error);
            if (!cell.isValid())
                return error;
            now = cell.data(Qt::CheckStateRole).toInt() == Qt::Checked;
        }
        return now == on
                   ? QString()
                   : QStringLiteral("%1%2 to be %3checked")
                         .arg(path,
                              row.isEmpty()
                                  ? QString()
                                  : QStringLiteral(" row %1 column %2").arg(row).arg(column + 1),
                              on ? QString() : QStringLiteral("not "));
    });
}

// wait cell PATH ROW COLUMN TEXT: the display text of a table cell (1-based).
StepOutcome waitCell(const QString &path, const QStringList &rest)
{
    if (rest.size() < 3)
        return StepOutcome::failed(QStringLiteral("wait cell PATH ROW COLUMN TEXT"));
    const QString row = rest[0];
    const int column = rest[1].toInt() - 1;
    const QString value = rest.mid(2).join(QLatin1Char(' '));
    return StepOutcome::until([path, row, column, value]() -> QString {
        QString error;
        QWidget *widget = findWidget(path, &error);
        if (widget == nullptr)
            return error;
        const QModelIndex cell = tableCell(widget, path, row, column, &error);
        if (!cell.isValid())
            return error;
        const QString now = cell.data(Qt::DisplayRole).toString();
        return now == value ? QString()
                            : QStringLiteral("text \"%1\" in row %2 column %3 of %4 (now \"%5\")")
                                  .arg(value, row)
                                  .arg(column + 1)
                                  .arg(path, now);
    });
}

StepOutcome wait(const QStringList &args)
{
    const QString what = args[0];
    if (what == QLatin1String("dialog"))
        return StepOutcome::until(
            [] { return openDialog() != nullptr ? QString() : QStringLiteral("a dialog"); });
    if (what == QLatin1String("idle"))
        return StepOutcome::until([] {
            return isWaitDialog(QApplication::activeModalWidget())
                       ? QStringLiteral("the wait dialog to close")
                       : QString();
        });
    if (args.size() < 3)
        return StepOutcome::failed(QStringLiteral(
            "wait rows|text|enabled|visible|checked PATH VALUE, or wait dialog|idle"));
    const QString path = args[1];
    if (what == QLatin1String("checked"))
        return waitChecked(path, args.mid(2));
    if (what == QLatin1String("cell"))
        return waitCell(path, args.mid(2));
    const QString value = args.mid(2).join(QLatin1Char(' '));
    bool flag = false;
    if ((what == QLatin1String("enabled") || what == QLatin1String("visible")) &&
        !parseYesNo(value, &flag))
        return StepOutcome::failed(
            QStringLiteral("wait %1 takes yes or no, not \"%2\"").arg(what, value));
    if (what != QLatin1String("rows") && what != QLatin1String("text") &&
        what != QLatin1String("enabled") && what != QLatin1String("visible"))
        return StepOutcome::failed(QStringLiteral("unknown wait \"%1\"").arg(what));
    // A widget that is not there yet may come: only a wrong path at the end fails.
    return StepOutcome::until([what, path, value, flag]() -> QString {
        QString error;
        QWidget *widget = findWidget(path, &error);
        if (widget == nullptr)
            return error;
        if (what == QLatin1String("rows")) {
            QAbstractItemView *view = itemViewOf(widget);
            const int rows =
                view != nullptr && view->model() != nullptr ? view->model()->rowCount() : -1;
            return rows == value.toInt()
                       ? QString()
                       : QStringLiteral("%1 rows in %2 (now %3)").arg(value, path).arg(rows);
        }
        if (what == QLatin1String("text")) {
            const QString now = widgetText(widget);
            return now == value
                       ? QString()
                       : QStringLiteral("text \"%1\" in %2 (now \"%3\")").arg(value, path, now);
        }
        const bool now =
            what == QLatin1String("enabled") ? widget->isEnabled() : widget->isVisible();
        return now == flag ? QString()
                           : QStringLiteral("%1 to be %2%3")
                                 .arg(path, flag ? QString() : QStringLiteral("not "), what);
    });
}

} // namespace

const std::vector<StepEntry> &stepTable()
{
    static const std::vector<StepEntry> table{
        {"answer", "confirm|reject", 1, &answer},
        {"click", "PATH", 1, &click},
        {"click-cell", "PATH ROW COLUMN", 3, &clickCellStep},
        {"double-click-cell", "PATH ROW COLUMN", 3, &doubleClickCell},
        {"expect", "notice|tooltip|warning|question|wait TEXT", 2, &expect},
        {"expect-xlsx", "FILE ROWS [TEXT ...]", 2, &expectXlsx},
        {"file-dialog", "FILE|cancel", 1, &fileDialog},
        {"key", "PATH Return|Enter|Escape|Tab|Space|Backspace|Delete|Up|Down", 2, &key},
        {"mark", "", 0, &markStep},
        {"navigate", "NAVIGATION-KEY", 1, &navigate},
        {"page", "PATH NUMBER|first|previous|next|last", 2, &page},
        {"page-size", "PATH ROWS", 2, &pageSize},
        {"screenshot", "NAME [dialog|window OBJECT-NAME]", 1, &screenshot},
        {"select", "PATH ITEM-TEXT", 2, &select},
        {"select-row", "PATH ROW", 2, &selectRow},
        {"show-page", "OBJECT-NAME", 1, &showPage},
        {"size", "WIDTH HEIGHT", 2, &size},
        {"tick", "PATH [ROW [COLUMN]] [on|off]", 1, &tick},
        {"tick-item", "PATH ITEM-TEXT [on|off]", 2, &tickItem},
        {"type", "PATH TEXT", 2, &type},
        {"type-file", "PATH FILE", 2, &typeFile},
        {"wait",
         "rows|text|enabled|visible|checked PATH VALUE | cell PATH ROW COLUMN TEXT | dialog | idle",
         1, &wait},
    };
    return table;
}

StepOutcome startStep(const QString &line)
{
    QString error;
    QStringList words = splitWords(line, &error);
    if (!error.isEmpty())
        return StepOutcome::failed(error);
    if (words.isEmpty())
        return StepOutcome::failed(QStringLiteral("empty step"));
    const QString name = words.takeFirst();
    for (const StepEntry &step : stepTable()) {
        if (name != QLatin1String(step.name))
            continue;
        if (words.size() < step.minArgs)
            return StepOutcome::failed(
                QStringLiteral("usage: %1 %2").arg(name, QLatin1String(step.usage)));
        return step.run(words);
    }
    QStringList names;
    for (const StepEntry &step : stepTable())
        names << QLatin1String(step.name);
    return StepOutcome::failed(QStringLiteral("unknown step \"%1\" (steps: %2)")
                                   .arg(name, names.join(QStringLiteral(", "))));
}

} // namespace uidriver
} // namespace visitorclient
