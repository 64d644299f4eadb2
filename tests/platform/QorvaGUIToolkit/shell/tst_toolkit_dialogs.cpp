// Dialogs and notices: answered and observed through the test hooks, and for real
// through the modal widget.

#include <QorvaGUIToolkit/CChaseDialog.h>
#include <QorvaGUIToolkit/CInformationDlg.h>
#include <QorvaGUIToolkit/CToolTip.h>
#include <QorvaGUIToolkit/CWaitWatcher.h>
#include <QorvaGUIToolkit/CWarningDlg.h>
#include <QorvaGUIToolkit/TestHooks.h>
#include <QorvaGUIToolkit/TipDialog.h>

#include <QApplication>
#include <QFutureWatcher>
#include <QMouseEvent>
#include <QPushButton>
#include <QScreen>
#include <QSemaphore>
#include <QTimer>
#include <QtConcurrent>
#include <QtTest>

#include <atomic>

using namespace QorvaGUIToolkit;
using Hooks = TestHooks;

namespace {

// Clicks a button of the next modal dialog once it is up (the product's dialogs have
// no hook in this path).
void clickInNextModal(const QString &buttonName)
{
    auto *timer = new QTimer;
    QObject::connect(timer, &QTimer::timeout, [timer, buttonName] {
        QWidget *modal = QApplication::activeModalWidget();
        if (!modal)
            return;
        if (auto *button = modal->findChild<QPushButton *>(buttonName))
            button->click();
        timer->stop();
        timer->deleteLater();
    });
    timer->start(10);
}

} // namespace

class TestToolkitDialogs : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        Hooks::disable();
        Hooks::enable();
    }
    void cleanupTestCase() { Hooks::disable(); }

    void queuedAnswersAreTakenInOrder()
    {
        Hooks::confirmNext();
        Hooks::rejectNext();
        Hooks::confirmNext();
        QCOMPARE(Hooks::pendingAnswers(), 3);
        QCOMPARE(TipDialog::showMessageInfo(4, QStringLiteral("Confirm"),
                                            QStringLiteral("ConfirmToDelete"), nullptr),
                 1);
        QCOMPARE(TipDialog::showMessageInfo(QStringLiteral("Confirm"), QStringLiteral("Second"),
                                            nullptr),
                 0);
        QCOMPARE(
            CWarningDlg::ShowMessageInfo(QStringLiteral("Error"), QStringLiteral("Third"), nullptr),
            1);
        QCOMPARE(Hooks::pendingAnswers(), 0);

        const auto dialogs = Hooks::dialogs();
        QCOMPARE(dialogs.size(), 3);
        QCOMPARE(dialogs.at(0).kind, Hooks::Kind::Question);
        QCOMPARE(dialogs.at(0).title, QStringLiteral("Confirm"));
        QCOMPARE(dialogs.at(0).text, QStringLiteral("ConfirmToDelete"));
        QCOMPARE(dialogs.at(0).answer, 1);
        QCOMPARE(dialogs.at(1).answer, 0);
        QCOMPARE(dialogs.at(2).kind, Hooks::Kind::Warning);
        QCOMPARE(Hooks::warnings(), QStringList{QStringLiteral("Third")});
    }

    void defaultAnswerAppliesWhenTheQueueIsEmpty()
    {
        Hooks::setDefaultAnswer(Hooks::Answer::Reject);
        QCOMPARE(TipDialog::showWarnMessageInfo(3, QStringLiteral("Hint"),
                                                QStringLiteral("DeletingFailed"), nullptr),
                 0);
        Hooks::setDefaultAnswer(Hooks::Answer::Confirm);
        QCOMPARE(TipDialog::showMessageInfo(4, QStringLiteral("T"), QStringLiteral("X"), nullptr),
                 1);
        Hooks::rejectNext();
        QCOMPARE(TipDialog::showMessageInfo(4, QStringLiteral("T"), QStringLiteral("Y"), nullptr),
                 0);
        QCOMPARE(TipDialog::showMessageInfo(4, QStringLiteral("T"), QStringLiteral("Z"), nullptr),
                 1);
        QCOMPARE(Hooks::warnings(), QStringList{QStringLiteral("DeletingFailed")});
    }

    void realDialogReturnsOneWhenConfirmed()
    {
        clickInNextModal(QStringLiteral("TipDialogConfirm"));
        QCOMPARE(TipDialog::showMessageInfo(4, QStringLiteral("Confirm"), QStringLiteral("Really?"),
                                            nullptr),
                 1);
        clickInNextModal(QStringLiteral("TipDialogCancel"));
        QCOMPARE(TipDialog::showMessageInfo(4, QStringLiteral("Confirm"), QStringLiteral("Really?"),
                                            nullptr),
                 0);
        clickInNextModal(QStringLiteral("WarningConfirm"));
        QCOMPARE(CWarningDlg::ShowMessageInfo(QStringLiteral("Error"), QStringLiteral("Bad"),
                                              nullptr, QPixmap()),
                 1);
        // Shown dialogs are recorded with their answers too.
        QCOMPARE(Hooks::dialogs().size(), 3);
        QCOMPARE(Hooks::dialogs().at(1).answer, 0);
    }

    void dialogTextsAreShown()
    {
        TipDialog dialog(TipDialog::Question, QStringLiteral("标题"), QStringLiteral("确认删除？"),
                         true);
        QCOMPARE(dialog.title(), QStringLiteral("标题"));
        QCOMPARE(dialog.text(), QStringLiteral("确认删除？"));
        QVERIFY(dialog.findChild<QPushButton *>(QStringLiteral("TipDialogCancel")));
        TipDialog warning(TipDialog::Warning, QStringLiteral("Hint"), QStringLiteral("x"), false);
        QVERIFY(!warning.findChild<QPushButton *>(QStringLiteral("TipDialogCancel")));
    }

    void titleBarDragMovesTheFramelessDialog()
    {
        TipDialog dialog(TipDialog::Information, QStringLiteral("T"), QStringLiteral("x"), false);
        dialog.show();
        dialog.move(100, 100);
        QWidget *titleBar = dialog.findChild<QWidget *>(QStringLiteral("DialogTitleBar"));
        QVERIFY(titleBar);
        const QPoint start = titleBar->rect().center();
        QTest::mousePress(titleBar, Qt::LeftButton, {}, start);
        QMouseEvent move(QEvent::MouseMove, start + QPoint(30, 20),
                         titleBar->mapToGlobal(start + QPoint(30, 20)), Qt::NoButton,
                         Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(titleBar, &move);
        QTest::mouseRelease(titleBar, Qt::LeftButton, {}, start + QPoint(30, 20));
        QCOMPARE(dialog.pos(), QPoint(130, 120));
    }

    void chaseDialogClosesThroughItsSlotConnectedByName()
    {
        QSemaphore release;
        QFuture<void> future = QtConcurrent::run([&release] { release.acquire(); });
        CChaseDialog dialog(nullptr,
                            QStringLiteral(":/QorvaGUIToolkit/Dialog/Images/Dialog/Loading.gif"),
                            QStringLiteral("Loading"), false);
        QVERIFY(dialog.hasAnimation());
        QFutureWatcher<void> watcher;
        // Pages connect by name; the slot must be a real slot.
        QVERIFY(QObject::connect(&watcher, SIGNAL(finished()), &dialog,
                                 SLOT(OnImmediatelyStopChase())));
        watcher.setFuture(future);
        QTimer::singleShot(30, [&release] { release.release(); });
        QCOMPARE(dialog.exec(), int(QDialog::Accepted));
        QVERIFY(future.isFinished());
        QVERIFY(dialog.isStopped());
        QCOMPARE(Hooks::records(Hooks::Kind::Chase).size(), 1);
        QCOMPARE(Hooks::records(Hooks::Kind::Chase).at(0).text, QStringLiteral("Loading"));
    }

    void chaseDialogStoppedBeforeExecReturnsAtOnce()
    {
        CChaseDialog dialog(nullptr, QString(), QStringLiteral("Fast"), false);
        QVERIFY(!dialog.hasAnimation());
        dialog.OnImmediatelyStopChase();
        QCOMPARE(dialog.exec(), int(QDialog::Accepted));
    }

    void chaseDialogAutoClosesUnderThePolicy()
    {
        Hooks::setAutoCloseChase(true);
        CChaseDialog dialog(nullptr, QString(), QStringLiteral("Nobody stops me"), false);
        QCOMPARE(dialog.exec(), int(QDialog::Accepted));
        Hooks::setAutoCloseChase(false);
    }

    void waitWatcherWaitsForTheWorker()
    {
        QWidget page;
        page.resize(300, 200);
        page.show();
        CWaitWatcher waiter(&page, QStringLiteral("Querying"));
        std::atomic<int> result{0};
        QVERIFY(waiter.wait(QtConcurrent::run([&result] {
            QThread::msleep(20);
            result = 42;
        })));
        QCOMPARE(result.load(), 42);
        // The shade is gone again.
        QVERIFY(page.findChildren<QWidget *>(QStringLiteral("CShadeFrame")).isEmpty());
        QCOMPARE(Hooks::records(Hooks::Kind::Chase).size(), 1);
    }

    void waitWatcherKeepsTheGuiThreadRunning()
    {
        // The test policy closes the dialog at once, before the worker ends: the wait
        // for the result must still let the GUI thread run (here: the timer that lets
        // the worker finish).
        Hooks::setAutoCloseChase(true);
        QWidget page;
        page.show();
        QSemaphore go;
        QTimer::singleShot(50, &page, [&go] { go.release(); });
        CWaitWatcher waiter(&page, QStringLiteral("Querying"));
        std::atomic<bool> releasedByGui{false};
        QVERIFY(waiter.wait(
            QtConcurrent::run([&go, &releasedByGui] { releasedByGui = go.tryAcquire(1, 10000); })));
        Hooks::setAutoCloseChase(false);
        QVERIFY(releasedByGui.load());
    }

    void stoppedWaitReturnsAtOnceWithTheFallback()
    {
        QWidget page;
        page.show();
        QSemaphore go;
        CWaitWatcher waiter(&page, QStringLiteral("Querying"));
        waiter.setStoppable(true);
        auto *timer = new QTimer(&page);
        connect(timer, &QTimer::timeout, [] {
            if (QWidget *modal = QApplication::activeModalWidget()) {
                if (auto *stop = modal->findChild<QPushButton *>(QStringLiteral("ChaseStopButton")))
                    stop->click();
            }
        });
        timer->start(10);
        std::atomic<int> result{0};
        QFuture<void> future =
            QtConcurrent::run([&go, &result] { result = go.tryAcquire(1, 10000) ? 7 : -1; });
        QVERIFY(!waiter.wait(future));
        QVERIFY(!future.isFinished()); // returned without waiting for the worker
        go.release();
        future.waitForFinished();
        QCOMPARE(result.load(), 7);
    }

    void noticesAndToolTipsAreRecorded()
    {
        QWidget field;
        field.show();
        CToolTip::ShowText(field.mapToGlobal(QPoint(0, 0)), QStringLiteral("CannotBeEmpty"),
                           &field);
        CInformationDlg *notice =
            CInformationDlg::ShowInformationAtScreenRightBottom(QStringLiteral("Saved"), &field);
        QCOMPARE(Hooks::toolTips(), QStringList{QStringLiteral("CannotBeEmpty")});
        QCOMPARE(Hooks::notices(), QStringList{QStringLiteral("Saved")});
        QVERIFY(notice->isVisible());
        QCOMPARE(notice->width(), 320);
        QCOMPARE(CInformationDlg::visibleCount(), 1);
        notice->close();
    }

    void noticeSitsAtTheLowerRightAndFades()
    {
        auto *notice = new CInformationDlg(QStringLiteral("Bye"), CInformationDlg::Error);
        QPointer<CInformationDlg> guard(notice);
        notice->setDisplayTime(10);
        notice->popUp(nullptr);
        const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
        QVERIFY(area.right() - notice->geometry().right() <= 24);
        QVERIFY(area.bottom() - notice->geometry().bottom() <= 24);
        QTRY_VERIFY_WITH_TIMEOUT(guard.isNull(), 5000);
    }

    void nothingIsRecordedWhenHooksAreOff()
    {
        Hooks::disable();
        CToolTip::ShowText(QPoint(1, 1), QStringLiteral("quiet"), nullptr);
        Hooks::record(Hooks::Kind::Notice, QString(), QStringLiteral("quiet"));
        QVERIFY(Hooks::records().isEmpty());
        QCOMPARE(Hooks::takeAnswer(), Hooks::Answer::Show);
        Hooks::enable();
    }
};

QTEST_MAIN(TestToolkitDialogs)
#include "tst_toolkit_dialogs.moc"
