// The waiting runner: result hand-over, the dialog and shade around a running worker,
// workers that finish before the dialog could open, runners nested in each other's wait,
// failing workers and the toolkit's test hooks.

#include <UI/Window/Application/WaitingRunner.h>

#include <QorvaGUIToolkit/CChaseDialog.h>
#include <QorvaGUIToolkit/CShadeFrame.h>
#include <QorvaGUIToolkit/TestHooks.h>

#include "testsupport/LogWatch.h"
#include "testsupport/Wait.h"

#include <QApplication>
#include <QTimer>
#include <QtTest>

#include <stdexcept>
#include <string>
#include <vector>

using QorvaGUIToolkit::CChaseDialog;
using QorvaGUIToolkit::CShadeFrame;
using QorvaGUIToolkit::TestHooks;
using visitorclient::runWaiting;

namespace {

CChaseDialog *openWaitDialog()
{
    return qobject_cast<CChaseDialog *>(QApplication::activeModalWidget());
}

// Runs check on the GUI thread every few milliseconds until it returns true; a check
// that waits itself is not entered again meanwhile.
void whileWaiting(QObject *context, const std::function<bool()> &check)
{
    auto *timer = new QTimer(context);
    timer->setInterval(5);
    QObject::connect(timer, &QTimer::timeout, timer, [timer, check] {
        timer->stop();
        if (check())
            timer->deleteLater();
        else
            timer->start();
    });
    timer->start();
}

int linesContaining(const testsupport::LogWatch &log, const std::string &part)
{
    const auto messages = log.messages();
    return static_cast<int>(
        std::count_if(messages.begin(), messages.end(),
                      [&](const std::string &m) { return m.find(part) != std::string::npos; }));
}

} // namespace

class TestWaitingRunner : public QObject
{
    Q_OBJECT
    std::unique_ptr<QWidget> m_window;

    void verifyNothingLeftOpen()
    {
        QVERIFY(QApplication::activeModalWidget() == nullptr);
        QVERIFY(m_window->findChildren<CChaseDialog *>().isEmpty());
        QVERIFY(m_window->findChildren<CShadeFrame *>().isEmpty());
    }

private slots:
    void init()
    {
        m_window = std::make_unique<QWidget>();
        m_window->resize(640, 480);
        m_window->show();
        auto *page = new QWidget(m_window.get());
        page->setObjectName(QStringLiteral("page"));
    }
    void cleanup()
    {
        m_window.reset();
        TestHooks::disable();
    }

    void returnsTheResultWhileTheDialogShowsTheCallersText()
    {
        testsupport::Gate release;
        QString shownText;
        bool shaded = false;
        whileWaiting(this, [&] {
            CChaseDialog *dialog = openWaitDialog();
            if (dialog == nullptr)
                return false;
            shownText = dialog->text();
            for (CShadeFrame *shade : m_window->findChildren<CShadeFrame *>())
                shaded = shaded || shade->isVisible();
            release.open();
            return true;
        });
        QWidget *page = m_window->findChild<QWidget *>(QStringLiteral("page"));
        // Built on the worker, read here: under ThreadSanitizer this checks the hand-over.
        const auto rows = runWaiting(page, QStringLiteral("Loading data"), [&release] {
            std::vector<std::string> built;
            if (release.wait())
                for (int i = 0; i < 3; ++i)
                    built.push_back("row " + std::to_string(i));
            return built;
        });
        QCOMPARE(rows, (std::vector<std::string>{"row 0", "row 1", "row 2"}));
        QCOMPARE(shownText, QStringLiteral("Loading data"));
        QVERIFY(shaded);
        verifyNothingLeftOpen();
    }

    void workersThatEndFirstLeaveNothingOpen()
    {
        // Some of these finish before the wait starts, some between the start and the
        // dialog's event loop: both must return at once with the result.
        for (int i = 0; i < 200; ++i)
            QCOMPARE(runWaiting(m_window.get(), QStringLiteral("Fast"), [i] { return i * 2; }),
                     i * 2);
        verifyNothingLeftOpen();
    }

    void aRunnerStartedDuringAnotherNestsAndBothReturn()
    {
        testsupport::Gate releaseOuter;
        QString inner;
        whileWaiting(this, [&] {
            if (openWaitDialog() == nullptr)
                return false;
            inner = runWaiting(m_window.get(), QStringLiteral("Inner"),
                               [] { return QStringLiteral("inner"); });
            releaseOuter.open();
            return true;
        });
        const QString outer = runWaiting(m_window.get(), QStringLiteral("Outer"), [&releaseOuter] {
            return releaseOuter.wait() ? QStringLiteral("outer") : QString();
        });
        QCOMPARE(inner, QStringLiteral("inner"));
        QCOMPARE(outer, QStringLiteral("outer"));
        verifyNothingLeftOpen();
    }

    void aFailingWorkerGivesTheDefaultResultAndIsLogged()
    {
        testsupport::LogWatch log;
        const QString text = runWaiting(m_window.get(), QStringLiteral("Saving"),
                                        []() -> QString { throw std::runtime_error("disk full"); });
        QVERIFY(text.isNull());
        runWaiting(m_window.get(), QStringLiteral("Saving"),
                   [] { throw std::runtime_error("disk full"); });
        QCOMPARE(linesContaining(log, "The work behind the wait dialog [Saving] failed: disk full"),
                 2);
        verifyNothingLeftOpen();
    }

    void theTestHooksCloseTheDialogAndTheResultStillArrives()
    {
        TestHooks::setAutoCloseChase(true);
        testsupport::Gate release;
        // Released only once the dialog has gone again: the runner must still wait.
        whileWaiting(this, [&] {
            if (TestHooks::records(TestHooks::Kind::Chase).isEmpty() || openWaitDialog() != nullptr)
                return false;
            release.open();
            return true;
        });
        const int result = runWaiting(m_window.get(), QStringLiteral("Exporting"),
                                      [&release] { return release.wait() ? 7 : -1; });
        QCOMPARE(result, 7);
        QCOMPARE(TestHooks::records(TestHooks::Kind::Chase).size(), 1);
        QCOMPARE(TestHooks::records(TestHooks::Kind::Chase).first().text,
                 QStringLiteral("Exporting"));
        verifyNothingLeftOpen();
    }
};

QTEST_MAIN(TestWaitingRunner)
#include "tst_waiting_runner.moc"
