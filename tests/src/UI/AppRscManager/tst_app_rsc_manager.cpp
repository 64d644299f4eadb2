// The window resource manager: ids created on the GUI thread for requests from other
// threads, the (name, type) key, show requests, and shutting down while a request
// waits for the GUI thread.

#include <UI/AppRscManager/AppRscManager.h>

#include <Common/CommonMethod/NetTask.h>
#include <Common/CommonMethod/ThreadPoolForNetTask.h>

#include <Base/LogCapture.h>

#include <QElapsedTimer>
#include <QWidget>
#include <QtTest>

#include <atomic>
#include <future>
#include <string>
#include <vector>

using visitorclient::CAppRscManager;

namespace {

// Asks for an id from another thread while the GUI thread keeps running its loop.
int requestFromWorker(const std::string &name, int type)
{
    std::future<int> answer =
        std::async(std::launch::async, [&] { return CAppRscManager::Instance().getWIDbyMethod(name, type); });
    [&] { QTRY_VERIFY_WITH_TIMEOUT(answer.wait_for(std::chrono::seconds(0)) == std::future_status::ready, 30000); }();
    return answer.get();
}

class WindowRequestTask : public comm_method::CNetTask
{
public:
    WindowRequestTask(std::string name, std::atomic<int> &started, std::vector<int> &results, int index)
        : comm_method::CNetTask(name + std::to_string(index)), m_name(std::move(name)), m_started(started),
          m_results(results), m_index(index)
    {
    }
    void run() override
    {
        ++m_started;
        m_results[m_index] = CAppRscManager::Instance().getWIDbyMethod(m_name, m_index);
    }

private:
    std::string m_name;
    std::atomic<int> &m_started;
    std::vector<int> &m_results;
    int m_index;
};

} // namespace

class TestAppRscManager : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { CAppRscManager::Instance().init(); }
    void windowsCreatedOnceOnTheGuiThread();
    void showUsesNameAndType();
    void concurrentRequestsGetTheirOwnWindows();
    void guiThreadRequestsAreAnsweredWithoutWaiting();
    void sharedManagersAreCreatedOnce();
    void shutdownWithRequestsInFlight();
};

void TestAppRscManager::windowsCreatedOnceOnTheGuiThread()
{
    Base::details::CLogCapture capture;
    const int app = requestFromWorker("VisitorApplication", 1);
    QVERIFY(app > 0);
    QCOMPARE(requestFromWorker("VisitorApplication", 1), app);
    QCOMPARE(requestFromWorker("VisitorApplication", 3), app);
    const auto created = capture.messages();
    QCOMPARE(std::count(created.begin(), created.end(), std::string("CApplication init start")), 1L);
    QVERIFY(capture.indexOf("CApplication init start") < capture.indexOf("CApplication init end"));

    const int tool = requestFromWorker("TemplateToolMenu", 1);
    const int maintain = requestFromWorker("TemplateMaintain", 1);
    QVERIFY(tool > 0 && maintain > 0 && tool != app && maintain != app && tool != maintain);
    QVERIFY(capture.contains("CToolMenu init end"));
    QVERIFY(capture.contains("CMaintain init end"));
    for (int wid : {app, tool, maintain}) {
        QWidget *window = QWidget::find(static_cast<WId>(wid));
        QVERIFY(window);
        QVERIFY(window->isWindow());
        QVERIFY(!window->parentWidget());
    }

    QCOMPARE(requestFromWorker("Other", 1), -1);
    QVERIFY(capture.contains("CAppRscManager::getWIDbyMethod, strId[Other] not match"));
    int stored = 0;
    QVERIFY(CAppRscManager::Instance().storedWID("Other", 1, stored));
    QCOMPARE(stored, -1);
}

void TestAppRscManager::showUsesNameAndType()
{
    auto &manager = CAppRscManager::Instance();
    const int app = requestFromWorker("VisitorApplication", 1);
    QWidget *window = QWidget::find(static_cast<WId>(app));
    QVERIFY(window);
    window->hide();
    Base::details::CLogCapture capture;

    std::async(std::launch::async, [&] { manager.ShowWndbyWID("VisitorApplication", 2); }).wait();
    QTRY_VERIFY(capture.contains("CAppRscManager::ShowWndbyWID failed strID:[VisitorApplication],iType:[2]"));
    std::async(std::launch::async, [&] { manager.ShowWndbyWID("Other", 1); }).wait();
    QTRY_VERIFY(capture.contains("CAppRscManager::ShowWndbyWID failed"));
    std::async(std::launch::async, [&] { manager.ShowWndbyWID("NeverAsked", 5); }).wait();
    QTRY_VERIFY(capture.contains("CAppRscManager::ShowWndbyWID failed strID:[NeverAsked],iType:[5]"));
    QVERIFY(!window->isVisible());

    std::async(std::launch::async, [&] { manager.ShowWndbyWID("VisitorApplication", 1); }).wait();
    QTRY_VERIFY(window->isVisible());
    QVERIFY(capture.contains("CAppRscManager::ShowWndbyWID success"));
    window->hide();
}

void TestAppRscManager::concurrentRequestsGetTheirOwnWindows()
{
    auto &manager = CAppRscManager::Instance();
    const int expected[] = {manager.getAppWndWID(), manager.getToolWndWID(), manager.getMaintainWndWID(), -1};
    const char *names[] = {"VisitorApplication", "TemplateToolMenu", "TemplateMaintain", "Other"};
    // Many requests at once share the hand-over slot: each must still get its own answer.
    std::vector<std::future<bool>> workers;
    for (int t = 0; t < 8; ++t) {
        workers.push_back(std::async(std::launch::async, [&, t] {
            bool ok = true;
            for (int i = 0; i < 25; ++i) {
                const int which = (t + i) % 4;
                ok = ok && manager.getWIDbyMethod(names[which], 100 + t) == expected[which];
            }
            return ok;
        }));
    }
    for (auto &worker : workers) {
        QTRY_VERIFY_WITH_TIMEOUT(worker.wait_for(std::chrono::seconds(0)) == std::future_status::ready, 30000);
        QVERIFY(worker.get());
    }
}

void TestAppRscManager::guiThreadRequestsAreAnsweredWithoutWaiting()
{
    // No event loop runs here: a request queued for the GUI thread would never return.
    auto &manager = CAppRscManager::Instance();
    const int app = manager.getAppWndWID();
    QCOMPARE(manager.getWIDbyMethod("VisitorApplication", 7), app);
    int stored = 0;
    QVERIFY(manager.storedWID("VisitorApplication", 7, stored));
    QCOMPARE(stored, app);
    QWidget *window = QWidget::find(static_cast<WId>(app));
    QVERIFY(window);
    window->hide();
    manager.ShowWndbyWID("VisitorApplication", 7);
    QVERIFY(window->isVisible());
    window->hide();
}

void TestAppRscManager::sharedManagersAreCreatedOnce()
{
    auto &manager = CAppRscManager::Instance();
    auto group = manager.getIGroupManager();
    QVERIFY(group);
    QCOMPARE(manager.getIGroupManager(), group);
    auto devices = manager.getIDeviceManager();
    QVERIFY(devices);
    QCOMPARE(manager.getIDeviceManager(), devices);
}

void TestAppRscManager::shutdownWithRequestsInFlight()
{
    auto &manager = CAppRscManager::Instance();
    auto &pool = comm_method::CThreadPoolForNetTask::instance();
    QCOMPARE(pool.init(4, 0, 0), 0);
    std::atomic<int> started{0};
    std::vector<int> results(4, -2);
    for (int i = 0; i < 4; ++i)
        QVERIFY(pool.post(std::make_unique<WindowRequestTask>(i % 2 ? "TemplateToolMenu" : "VisitorApplication",
                                                              started, results, i)));
    // Without running the event loop the workers block in the emit: wait until all four
    // are inside their task. The GUI thread then stops the pool as the application does.
    QElapsedTimer timer;
    timer.start();
    while (started.load() < 4 && timer.elapsed() < 20000)
        std::this_thread::yield();
    QCOMPARE(started.load(), 4);
    int mainWid = 0;
    QVERIFY(manager.storedWID("VisitorApplication", 1, mainWid));
    QVERIFY(QWidget::find(static_cast<WId>(mainWid)));
    manager.unInit();
    manager.runServingWindowRequests([&pool] { pool.stop(); });
    QVERIFY(timer.elapsed() < 20000);
    for (int result : results)
        QVERIFY(result == -1 || result > 0);
    // The windows are gone with the application still alive, and later requests are
    // answered at once, without waiting for the GUI thread.
    QVERIFY(!QWidget::find(static_cast<WId>(mainWid)));
    QCOMPARE(std::async(std::launch::async, [&] { return manager.getWIDbyMethod("VisitorApplication", 1); }).get(), -1);
    manager.unInit();
}

QTEST_MAIN(TestAppRscManager)
#include "tst_app_rsc_manager.moc"
