#include "pagebench/PageBench.h"

#include "testsupport/TempDir.h"

#include <ComponentHost.h>
#include <DemoOperator.h>
#include <LpcNames.h>
#include <RequestRouter.h>

#include <Logical/Communication/Cmd/CmdManager/CmdManager.h>
#include <Logical/Communication/Cmd/LpcCmd/LpcCmd.h>
#include <Logical/Communication/LpcInterface/LpcInterface.h>
#include <UI/AppRscManager/AppRscManager.h>
#include <UI/Window/Common/ErrorTexts.h>

#include <Common/CommonMethod/ThreadPoolForInnerTask.h>
#include <Common/CommonMethod/ThreadPoolForNetTask.h>

#include <JSONStruct/Core/GenericRecord.h>
#include <JSONStruct/accessgroup/VisitAaccessGroupAddParam.h>
#include <JSONStruct/accessgroup/VisitAccessGroupAddedResult.h>

#include <CommunicationLayer/AccessGroupPointComm.h>
#include <LPC_Server/LPCServer.h>

#include <UiDataController/LocalLogManager.h>
#include <UiDataController/Translation.h>

#include <QorvaGUIToolkit/TestHooks.h>

#include <clientcommonlogical/IAbstractDeviceManager.h>
#include <clientcommonlogical/IGroupManager.h>
#include <clientcommonlogical/LocalLogDelegate.h>
#include <clientcommonlogical/NotifyCenterManager.h>

#include <comm_methodlib/UserDataPath.h>

#include <QApplication>
#include <QDialog>
#include <QFileDialog>
#include <QLineEdit>
#include <QPointer>
#include <QSet>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTimer>
#include <QTranslator>

#include <atomic>
#include <mutex>
#include <thread>

namespace pagebench {

namespace {

using QorvaGUIToolkit::TestHooks;

// Type of the marker notification that flushNotifications queues behind the real ones.
const char kFlushType[] = "pageBenchFlush";

// Counts what the notify center delivers; registered before any page, so it sees each
// notification before the pages do, and the flush marker after they handled the rest.
class DeliveryObserver : public clientcommonlogical::INotifyCenterManagerObserver
{
public:
    void onNotify(const std::shared_ptr<protocol::IWebsocketData> &data) override
    {
        const char *name = data->name();
        std::lock_guard<std::mutex> lock(mutex);
        if (name != nullptr && std::string(name) == kFlushType)
            ++flushes;
        else
            types << QString::fromLatin1(name != nullptr ? name : "");
    }

    QStringList received() const
    {
        std::lock_guard<std::mutex> lock(mutex);
        return types;
    }
    int flushCount() const
    {
        std::lock_guard<std::mutex> lock(mutex);
        return flushes;
    }

private:
    mutable std::mutex mutex;
    QStringList types;
    int flushes = 0;
};

QString describe(QWidget *widget)
{
    return QStringLiteral("%1 \"%2\" (%3)")
        .arg(QString::fromLatin1(widget->metaObject()->className()), widget->objectName(),
             widget->windowTitle());
}

bool isWaitDialog(QWidget *widget)
{
    return widget->objectName() == QLatin1String("CChaseDialog");
}

} // namespace

struct PageBench::Impl
{
    std::unique_ptr<QTemporaryDir> root;
    std::unique_ptr<clientframework::RequestRouter> router;
    std::unique_ptr<lpcserver::CLpcServer> lpc;
    QList<QTranslator *> translators;
    DeliveryObserver observer;
    bool started = false;

    // Per test.
    std::unique_ptr<QTemporaryDir> testDir;
    std::unique_ptr<qorvaserver::CManagementServer> server;
    std::unique_ptr<testsupport::LogWatch> log;
    QList<QPointer<QWidget>> windowsBefore;
    int operatorIndex = 0;
    std::atomic<int> forwarded{0};
    int receivedAtBegin = 0;

    // Requests routed to the server, guarded: the router reports on LPC worker threads.
    mutable std::mutex requestMutex;
    QStringList requests;

    // Marks.
    int requestMark = 0;
    int recordMark = 0;
    int notificationMark = 0;
    int operationLogMark = 0;

    // Modal dialogs to answer, in order.
    QList<std::function<void(QWidget *)>> modalHandlers;
    QTimer modalTimer;

    void forward(const qorvaserver::ServerNotification &n)
    {
        if (!router->isSubscribed(n.type))
            return;
        const lpcserver::OutgoingCall call =
            clientframework::RequestRouter::notificationCall(n.type, n.body);
        if (lpc->post(clientframework::kComponentIdentity, call) == lpcserver::CallResult::Ok)
            ++forwarded;
    }

    QList<TestHooks::Record> recordsSinceMark(TestHooks::Kind kind) const
    {
        QList<TestHooks::Record> out;
        const QList<TestHooks::Record> all = TestHooks::records();
        for (int i = recordMark; i < all.size(); ++i) {
            if (all.at(i).kind == kind)
                out << all.at(i);
        }
        return out;
    }

    QStringList textsSinceMark(TestHooks::Kind kind) const
    {
        QStringList texts;
        for (const TestHooks::Record &r : recordsSinceMark(kind))
            texts << r.text;
        return texts;
    }

    void answerModals()
    {
        QWidget *modal = QApplication::activeModalWidget();
        if (modal == nullptr || isWaitDialog(modal) || modalHandlers.isEmpty())
            return;
        const auto handle = modalHandlers.takeFirst();
        if (modalHandlers.isEmpty())
            modalTimer.stop();
        handle(modal);
    }
};

PageBench::PageBench() : d(std::make_unique<Impl>())
{
    d->modalTimer.setInterval(20);
    QObject::connect(&d->modalTimer, &QTimer::timeout, [this] { d->answerModals(); });
}

PageBench::~PageBench()
{
    stop();
}

bool PageBench::start()
{
    if (d->started)
        return true;
    m_error.clear();
    QStandardPaths::setTestModeEnabled(true);
    // Short: the LPC socket path must fit sun_path.
    d->root = testsupport::makeTempDir(QStringLiteral("pb"));
    const QString lpcDir = d->root->filePath(QStringLiteral("l"));
    const QString dataRoot = d->root->filePath(QStringLiteral("root"));
    qputenv("QORVA_LPC_DIR", lpcDir.toUtf8());
    qputenv("QORVA_DATA_ROOT", dataRoot.toUtf8());
    comm_methodlib::CUserDataPath::Instance().init(dataRoot.toStdString(),
                                                   clientframework::kComponentName);

    d->translators = UiDataController::loadTranslations(0, QStringLiteral(QORVA_TRANSLATION_DIR));
    TestHooks::enable();
    visitorclient::registerErrorTexts();

    // The host's end.
    d->router = std::make_unique<clientframework::RequestRouter>();
    d->lpc = std::make_unique<lpcserver::CLpcServer>();
    d->lpc->setRequestHandler(
        [this](const lpcserver::ClientRequest &request) { return d->router->route(request); });
    d->router->setObserver([this](const std::string &url, int method, const std::string &code) {
        std::lock_guard<std::mutex> lock(d->requestMutex);
        d->requests << QStringLiteral("%1 %2 %3")
                           .arg(method)
                           .arg(QString::fromStdString(url), QString::fromStdString(code));
    });
    if (!d->lpc->start(clientframework::kLpcServerName)) {
        m_error = QStringLiteral("LPC server: %1").arg(QString::fromStdString(d->lpc->lastError()));
        return false;
    }

    // The component's logical layer, in the application's order.
    comm_method::CThreadPoolForNetTask::instance().init(8, 0, 0);
    comm_method::CThreadPoolForInnerTask::instance().init(8);
    visitorclient::CAppRscManager::Instance().init();
    clientcommonlogical::CNotifyCenterManager::Instance().RegisterObserver(&d->observer);
    if (!visitorclient::CLpcInterface::Instance().lpcInit()) {
        m_error = QStringLiteral("the component could not connect its LPC link");
        return false;
    }
    d->started = true;
    if (!visitorclient::CCmdManager::Instance().init()) {
        m_error = QStringLiteral("the component's registration or subscription failed");
        return false;
    }
    if (!visitorclient::CLpcCmd::refreshPermissions()) {
        m_error = QStringLiteral("the component could not read the operator's rights");
        return false;
    }
    return true;
}

void PageBench::stop()
{
    if (!d->started)
        return;
    d->started = false;
    d->modalTimer.stop();
    visitorclient::CCmdManager::Instance().unInit();
    visitorclient::CLpcInterface::Instance().lpcUnInit();
    comm_method::CThreadPoolForNetTask::instance().stop();
    comm_method::CThreadPoolForInnerTask::instance().stop();
    clientcommonlogical::CNotifyCenterManager::Instance().AsyncUnregisterObserver(&d->observer);
    visitorclient::CAppRscManager::Instance().unInit();
    d->lpc->stop();
    d->router.reset();
    for (QTranslator *translator : d->translators)
        QCoreApplication::removeTranslator(translator);
    qDeleteAll(d->translators);
    d->translators.clear();
    TestHooks::disable();
    d->root.reset();
}

bool PageBench::reloadSharedManagers()
{
    // The window resource manager's group and device managers live as long as the
    // process; each test's new site must reach them before the test starts. After
    // refresh() they report "loaded" only once a load that began after it has ended.
    visitorclient::CAppRscManager &rsc = visitorclient::CAppRscManager::Instance();
    const std::shared_ptr<qorva7310::IDataSource> managers[] = {rsc.getIGroupManager(),
                                                                rsc.getIDeviceManager()};
    for (const auto &manager : managers)
        manager->refresh();
    return waitUntil([&] {
        for (const auto &manager : managers) {
            if (manager->loadState() != qorva7310::LoadState::Loaded)
                return false;
        }
        return true;
    });
}

bool PageBench::beginTest(Site site)
{
    m_error.clear();
    if (!d->started) {
        m_error = QStringLiteral("start() was not called or failed");
        return false;
    }
    d->testDir = testsupport::makeTempDir(QStringLiteral("pt"));
    d->log = std::make_unique<testsupport::LogWatch>();
    d->server = std::make_unique<qorvaserver::CManagementServer>();
    if (!d->server->open(d->testDir->filePath(QStringLiteral("server.db")).toStdString())) {
        m_error = QStringLiteral("server database: %1")
                      .arg(QString::fromStdString(d->server->openError()));
        return false;
    }
    if (site == Site::Large && !seedLargeSite())
        return false;
    d->forwarded = 0;
    d->receivedAtBegin = d->observer.received().size();
    d->server->setNotificationSink(
        [this](const qorvaserver::ServerNotification &n) { d->forward(n); });
    d->router->setServer(d->server.get());
    if (!reloadSharedManagers()) {
        m_error = QStringLiteral("the shared group and device managers did not load the new site");
        return false;
    }

    UiDataController::CLocalLogManager::Instance().delegate()->setDirectory(
        d->testDir->filePath(QStringLiteral("oplog")));
    TestHooks::disable();
    TestHooks::enable();
    d->windowsBefore.clear();
    for (QWidget *w : QApplication::topLevelWidgets())
        d->windowsBefore << w;
    mark();
    return true;
}

bool PageBench::endTest()
{
    QStringList problems;
    if (!d->server) {
        m_error = QStringLiteral("beginTest() did not run");
        return false;
    }
    if (!d->server->waitIdle(static_cast<int>(testsupport::kBound.count())))
        problems << QStringLiteral("the server's permission downloads did not finish");
    const bool delivered = waitUntil([this] {
        return d->observer.received().size() - d->receivedAtBegin >= d->forwarded.load();
    });
    if (!delivered)
        problems << QStringLiteral(
                        "%1 notification(s) were forwarded but never reached the component")
                        .arg(d->forwarded.load() -
                             (d->observer.received().size() - d->receivedAtBegin));
    if (!flushNotifications())
        problems << QStringLiteral("the notify center did not finish its deliveries");

    // Dialogs still open would hang the next test: close them and say so.
    for (int guard = 0; guard < 20; ++guard) {
        QWidget *modal = QApplication::activeModalWidget();
        if (modal == nullptr)
            break;
        problems << QStringLiteral("a dialog was left open: %1").arg(describe(modal));
        if (auto *dialog = qobject_cast<QDialog *>(modal))
            dialog->reject();
        else
            modal->close();
        QCoreApplication::processEvents();
    }
    if (!d->modalHandlers.isEmpty())
        problems
            << QStringLiteral("%1 expected dialog(s) never appeared").arg(d->modalHandlers.size());
    d->modalHandlers.clear();
    d->modalTimer.stop();
    if (TestHooks::pendingAnswers() > 0)
        problems
            << QStringLiteral("%1 queued answer(s) were not used").arg(TestHooks::pendingAnswers());

    // Windows the test opened (pages, notices, tool tips) go; hidden ones owned by the
    // test object stay.
    for (QWidget *w : QApplication::topLevelWidgets()) {
        if (w->isVisible() && !d->windowsBefore.contains(w))
            w->close();
    }
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

    if (d->operatorIndex != 0 && !switchOperator(0))
        problems << QStringLiteral("the administrator could not be restored");

    d->router->setServer(nullptr);
    d->server->setNotificationSink(nullptr);
    d->server.reset();
    d->log.reset();
    TestHooks::disable();
    TestHooks::enable();
    d->testDir.reset();
    m_error = problems.join(QStringLiteral("; "));
    return problems.isEmpty();
}

qorvaserver::CManagementServer &PageBench::server()
{
    return *d->server;
}

clientframework::RequestRouter &PageBench::router()
{
    return *d->router;
}

std::vector<std::string> PageBench::ids(const std::string &what)
{
    std::vector<std::string> out;
    const auto rows = d->server->list(what);
    for (std::size_t i = 1; i < rows.size(); ++i) {
        if (!rows[i].empty())
            out.push_back(rows[i][0]);
    }
    return out;
}

bool PageBench::seedAppointments(int count)
{
    return d->server->seedAppointments(count) == 0;
}

bool PageBench::seedRecords(int count)
{
    return d->server->seedRecords(count) == 0;
}

bool PageBench::seedLargeSite(const qorvaserver::CManagementServer::SiteSize &size)
{
    const std::uint32_t error = d->server->seedLargeSite(size);
    if (error != 0)
        m_error = QStringLiteral("large site: server error %1").arg(error);
    return error == 0;
}

std::string PageBench::addAccessGroup(const std::string &name, int doorCount, bool defaultGroup)
{
    protocol::VisitAaccessGroupAddParam param;
    param.name_ = name;
    param.defaultGroup = defaultGroup ? 1 : 0;
    param.QRCodeVersion = 1;
    // Columns of the door listing: guid, name, device_guid, door_no, group_guid.
    const auto doors = d->server->list("doors");
    for (std::size_t i = 1; i < doors.size() && static_cast<int>(i) <= doorCount; ++i) {
        protocol::VisitObjectAdd door;
        door.objectGuid = doors[i][0];
        door.objectName = doors[i][1];
        door.deviceGuid = doors[i][2];
        door.objectNo = std::stoi(doors[i][3]);
        door.objGroupGuid = doors[i][4];
        param.visitObjectAddList.push_back(door);
    }
    protocol::VisitAccessGroupAddedResult result;
    if (!commlayer::AccessGroupPointComm::createAccessGroup(result, param))
        return std::string();
    return result.accessGroupGuid;
}

bool PageBench::waitUntil(const std::function<bool()> &condition, std::chrono::milliseconds bound)
{
    return testsupport::waitUntil(condition, bound);
}

bool PageBench::waitForNotification(const std::string &type, std::chrono::milliseconds bound)
{
    const QString wanted = QString::fromStdString(type);
    if (!waitUntil([&] { return notificationsReceived().contains(wanted); }, bound))
        return false;
    return flushNotifications(bound);
}

bool PageBench::flushNotifications(std::chrono::milliseconds bound)
{
    // The center delivers in order: once the marker has passed, everything queued before
    // it has been through every observer.
    const int before = d->observer.flushCount();
    clientcommonlogical::CNotifyCenterManager::Instance().addNotify(
        std::make_shared<protocol::GenericWebsocketData>(kFlushType));
    if (!waitUntil([&] { return d->observer.flushCount() > before; }, bound))
        return false;
    // What the observers queued for the GUI thread runs now.
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents();
    return true;
}

QStringList PageBench::notificationsReceived() const
{
    return d->observer.received().mid(d->notificationMark);
}

void PageBench::answerNextQuestion(bool confirm)
{
    if (confirm)
        TestHooks::confirmNext();
    else
        TestHooks::rejectNext();
}

void PageBench::answerNextModal(const std::function<void(QWidget *)> &handle)
{
    d->modalHandlers << handle;
    d->modalTimer.start();
}

void PageBench::answerNextFileDialog(const QString &path)
{
    answerNextModal([path](QWidget *dialog) {
        auto *files = qobject_cast<QFileDialog *>(dialog);
        if (files != nullptr && !path.isEmpty()) {
            files->selectFile(path);
            // Typed as well: selectFile leaves the name field alone while it has the focus
            // (a save dialog), and a folder that does not exist cannot be selected.
            if (auto *name = files->findChild<QLineEdit *>(QStringLiteral("fileNameEdit")))
                name->setText(path);
        }
        const int result =
            files != nullptr && !path.isEmpty() ? QDialog::Accepted : QDialog::Rejected;
        // The answer may come while show() still runs, before exec() has its event loop;
        // done() then ends nothing. Repeat it until the dialog is gone.
        QPointer<QDialog> guard = qobject_cast<QDialog *>(dialog);
        if (!guard) {
            dialog->close();
            return;
        }
        auto answer = std::make_shared<std::function<void()>>();
        std::weak_ptr<std::function<void()>> self = answer;
        *answer = [guard, result, self] {
            if (!guard)
                return;
            // Through the base: the file dialog's own accept() checks the choice.
            guard->QDialog::done(result);
            if (auto again = self.lock())
                QTimer::singleShot(100, [again] { (*again)(); });
        };
        (*answer)();
    });
}

void PageBench::mark()
{
    {
        std::lock_guard<std::mutex> lock(d->requestMutex);
        d->requestMark = d->requests.size();
    }
    d->recordMark = TestHooks::records().size();
    d->notificationMark = d->observer.received().size();
    d->operationLogMark = UiDataController::CLocalLogManager::Instance().readAll().size();
}

QStringList PageBench::notices() const
{
    return d->textsSinceMark(TestHooks::Kind::Notice);
}

QStringList PageBench::toolTips() const
{
    return d->textsSinceMark(TestHooks::Kind::ToolTip);
}

QStringList PageBench::warnings() const
{
    return d->textsSinceMark(TestHooks::Kind::Warning);
}

QStringList PageBench::questions() const
{
    return d->textsSinceMark(TestHooks::Kind::Question);
}

QList<int> PageBench::questionAnswers() const
{
    QList<int> answers;
    for (const TestHooks::Record &r : d->recordsSinceMark(TestHooks::Kind::Question))
        answers << r.answer;
    return answers;
}

QStringList PageBench::waitTexts() const
{
    return d->textsSinceMark(TestHooks::Kind::Chase);
}

QList<clientcommonlogical::LocalLogRecord> PageBench::operationLog() const
{
    return UiDataController::CLocalLogManager::Instance().readAll().mid(d->operationLogMark);
}

QStringList PageBench::requests() const
{
    std::lock_guard<std::mutex> lock(d->requestMutex);
    return d->requests.mid(d->requestMark);
}

int PageBench::requestCount(const QString &url, int method) const
{
    const QString prefix = QStringLiteral("%1 %2 ").arg(method).arg(url);
    int count = 0;
    for (const QString &request : requests())
        count += request.startsWith(prefix) ? 1 : 0;
    return count;
}

testsupport::LogWatch &PageBench::log()
{
    return *d->log;
}

bool PageBench::switchOperator(int index)
{
    const auto operators = clientframework::DemoOperator::demoOperators();
    if (index < 0 || index >= static_cast<int>(operators.size()))
        return false;
    d->router->setOperator(operators[static_cast<std::size_t>(index)]);
    d->operatorIndex = index;
    const CallReply reply = callComponent(QStringLiteral("switchUserUpdateFrame"),
                                          QStringLiteral("{\"updateFrame\":true}"));
    // The main window re-checks the rights through a queued signal.
    QCoreApplication::sendPostedEvents();
    return reply.ok;
}

CallReply PageBench::callComponent(const QString &method, const QString &dataJson, int timeoutMs)
{
    CallReply reply;
    const lpcserver::OutgoingCall call =
        clientframework::ComponentHost::methodCall(method, dataJson);
    std::atomic<bool> done{false};
    lpcserver::Message answer;
    lpcserver::CallResult result = lpcserver::CallResult::NotRunning;
    // The component may need the GUI thread to answer (a window handle, a UI step).
    std::thread caller([&] {
        result = d->lpc->call(clientframework::kComponentIdentity, call, answer, timeoutMs);
        done = true;
    });
    waitUntil([&] { return done.load(); },
              std::chrono::milliseconds(timeoutMs) + testsupport::kBound);
    caller.join();
    reply.ok = result == lpcserver::CallResult::Ok;
    reply.result = QString::fromLatin1(lpcserver::toString(result));
    reply.body = QString::fromStdString(answer.body);
    return reply;
}

QString PageBench::testDir() const
{
    return d->testDir ? d->testDir->path() : QString();
}

} // namespace pagebench
