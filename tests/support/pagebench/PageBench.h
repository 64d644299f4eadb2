#pragma once
// The page test bench: everything a page needs, in the test's own process.
//
//   test process
//   +-----------------------------------------------------------------------------+
//   | offscreen QApplication (QTEST_MAIN), the page under test                    |
//   | component logic: task pools, CLpcInterface (lpcclient + CHTTPOverLPCClient), |
//   |   CCmdManager (registration, 44 subscriptions), notify center, CAppRscManager|
//   |        |  real LPC link on a temporary socket directory                     |
//   | host side: CLpcServer -> clientframework::RequestRouter -> ManagementServer  |
//   |   on a temporary database; server notifications wrapped by the router and    |
//   |   posted to the component (subscribed types only)                            |
//   +-----------------------------------------------------------------------------+
//
// Requests of the page travel the product's way (commlayer -> HTTP over LPC -> router
// -> server) and notifications too (server sink -> router envelope -> LPC call ->
// CNotifyTask on the inner pool -> notify center, whose observers run on its thread).
//
// Test programs derive from pagebench::BenchTestCase (BenchTestCase.h), which runs
// start/beginTest/endTest/stop around the tests.
//
// Every test starts on a freshly seeded demo site (which the shared group and device
// managers of CAppRscManager have read), no operation log, no recorded notices and the
// administrator; endTest() checks that the test left no window or dialog open and
// no notification undelivered. GUI thread only, unless a function says otherwise.

#include "testsupport/LogWatch.h"
#include "testsupport/Wait.h"

#include <ManagementServer/ManagementServer.h>

#include <clientcommonlogical/LocalLogRecord.h>

#include <QList>
#include <QString>
#include <QStringList>

#include <functional>
#include <memory>
#include <string>
#include <vector>

class QWidget;

namespace clientframework {
class RequestRouter;
}

namespace pagebench {

/// What a fresh test database holds.
enum class Site {
    Demo,  ///< the server's seeded demo site (7 organisations, 20 persons, 3 devices, 8 doors)
    Large, ///< 2,000 persons in 200 organisations; 5,000 doors in 50 areas on 500 devices
};

/// Answer of a call to the component (as the host makes them).
struct CallReply
{
    bool ok = false; ///< the component replied
    QString result;  ///< lpcserver::toString(CallResult)
    QString body;    ///< the reply body (an LPCResponseData envelope)
};

class PageBench
{
public:
    PageBench();
    ~PageBench();
    PageBench(const PageBench &) = delete;
    PageBench &operator=(const PageBench &) = delete;

    // --- lifecycle ----------------------------------------------------------------------

    /// Once per test program (initTestCase): temporary directories, translations, the
    /// host side, the component's logic and the link between them. False with error().
    bool start();
    /// Takes everything down in the product's order (cleanupTestCase). Safe twice.
    void stop();
    /// Before every test (init): a new database seeded with site, an empty operation
    /// log, cleared notices and answers, a fresh log capture.
    bool beginTest(Site site = Site::Demo);
    /// After every test (cleanup): waits for server work and notifications, then closes
    /// what the test left open. False with error() when something was left behind
    /// (a window, a dialog, an undelivered notification); the next test starts clean
    /// either way.
    bool endTest();
    QString error() const { return m_error; }
    /// Makes the window resource manager's shared group and device managers read the
    /// current site again and waits until they did (beginTest does it).
    bool reloadSharedManagers();

    // --- the server ---------------------------------------------------------------------

    qorvaserver::CManagementServer &server();
    clientframework::RequestRouter &router();
    /// Column 0 (the ids) of the server's listing of what ("doors", "devices", ...).
    std::vector<std::string> ids(const std::string &what);
    /// Adds appointments or visitor records (the server's bulk seeding). True when stored.
    bool seedAppointments(int count);
    bool seedRecords(int count);
    /// Replaces the site by the large one (or another size).
    bool seedLargeSite(const qorvaserver::CManagementServer::SiteSize &size = {});
    /// Creates an access-point group over the first doorCount doors of the site through
    /// the backend library, as a page would. Its id, empty on failure.
    std::string addAccessGroup(const std::string &name, int doorCount, bool defaultGroup = false);

    // --- waiting ------------------------------------------------------------------------

    /// Polls condition while the event loop runs; true when it held within bound.
    bool waitUntil(const std::function<bool()> &condition,
                   std::chrono::milliseconds bound = testsupport::kBound);
    /// Waits until the component received a notification of type (counting from the
    /// last mark()), every observer has handled it and the signals they queued for the
    /// GUI thread have run.
    bool waitForNotification(const std::string &type,
                             std::chrono::milliseconds bound = testsupport::kBound);
    /// Waits until every notification that reached the component so far has been handled
    /// by every observer and their queued GUI work has run.
    bool flushNotifications(std::chrono::milliseconds bound = testsupport::kBound);
    /// Notifications the component received since the last mark(), types in order.
    QStringList notificationsReceived() const;

    // --- dialogs, notices, tool tips, operation log -------------------------------------

    /// The next toolkit question (TipDialog, CWarningDlg) is answered 1 or 0 without being
    /// shown. Queue several calls for several questions.
    void answerNextQuestion(bool confirm);
    /// Calls handle with the next modal dialog that is not a wait dialog (a file dialog,
    /// a form) as soon as it is shown; it must close the dialog.
    void answerNextModal(const std::function<void(QWidget *dialog)> &handle);
    /// answerNextModal for a QFileDialog: chooses path and accepts (empty path: rejects).
    void answerNextFileDialog(const QString &path);

    /// From now on the readers below start here (beginTest marks too).
    void mark();
    QStringList notices() const;
    QStringList toolTips() const;
    QStringList warnings() const;
    /// Texts of the questions asked (with the answers in questionAnswers()).
    QStringList questions() const;
    QList<int> questionAnswers() const;
    /// Texts of the wait dialogs shown.
    QStringList waitTexts() const;
    /// Operation-log entries written since the mark (waits until they are stored).
    QList<clientcommonlogical::LocalLogRecord> operationLog() const;
    /// Requests the component made since the mark, in order, as "METHOD URL CODE" with
    /// the method code (0 GET, 1 POST, 2 PUT, 3 DELETE) and the answer's code ("0-0").
    QStringList requests() const;
    /// How many of them went to url with that method code.
    int requestCount(const QString &url, int method) const;
    /// The component's log lines of the current test.
    testsupport::LogWatch &log();

    // --- the operator and the host's calls ----------------------------------------------

    /// Makes demo operator index current (0 "admin", 1 "guard" without function 9) and
    /// tells the component with "switchUserUpdateFrame", as the host does.
    bool switchOperator(int index);
    /// Calls the component with an LPC method (dataJson: the request record or empty)
    /// from a helper thread while the event loop runs; the component's answer or why not.
    CallReply callComponent(const QString &method, const QString &dataJson = QString(),
                            int timeoutMs = 60000);

    /// Temporary directory of the current test (files a test writes go here).
    QString testDir() const;

private:
    struct Impl;
    std::unique_ptr<Impl> d;
    QString m_error;
};

} // namespace pagebench
