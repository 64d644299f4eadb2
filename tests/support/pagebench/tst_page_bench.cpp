// The page test bench itself: requests and notifications travel the product's way, the
// helpers answer what they promise, and a test cannot leak state into the next one.

#include "pagebench/BenchTestCase.h"

#include <JSONStruct/appointment/ModifyAppointment.h>
#include <JSONStruct/appointment/QueryAppointmentResultCondition.h>
#include <JSONStruct/appointment/QueryAppointmentResultList.h>

#include <CommunicationLayer/AppointmentComm.h>

#include <UiDataController/InformationMgr.h>
#include <UiDataController/LocalLogManager.h>
#include <UiDataController/PermissionManager.h>

#include <QorvaGUIToolkit/TipDialog.h>

#include <clientcommonlogical/NotifyCenterManager.h>

#include <JSONStruct/Core/IWebsocketData.h>

#include <Base/Error.h>

#include <QApplication>
#include <QFileDialog>
#include <QThread>
#include <QtTest>

#include <algorithm>
#include <atomic>
#include <map>

namespace {

// Records where notifications arrive and hands GUI work over as a page does.
class ThreadObserver : public QObject, public clientcommonlogical::INotifyCenterManagerObserver
{
    Q_OBJECT
public:
    void onNotify(const std::shared_ptr<protocol::IWebsocketData> &data) override
    {
        if (data->name() == nullptr || std::string(data->name()) != "elementNameChanged")
            return;
        offGuiThread = QThread::currentThread() != qApp->thread();
        QMetaObject::invokeMethod(
            this, [this] { ++guiWork; }, Qt::QueuedConnection);
    }
    std::atomic<bool> offGuiThread{false};
    int guiWork = 0;
};

bool permitted()
{
    return UiDataController::CPermissionManager::instance()->verityFunPermission(
        9, 6, nullptr, UiDataController::NoShow);
}

} // namespace

class TestPageBench : public pagebench::BenchTestCase
{
    Q_OBJECT

private slots:
    void requestsTravelTheProductsWay()
    {
        QVERIFY(m_bench.seedAppointments(3));
        protocol::QueryAppointmentResultCondition condition;
        condition.pageSize = 30;
        condition.pageNo = 1;
        protocol::QueryAppointmentResultList page;
        QVERIFY(commlayer::AppointmentComm::getAppointmentByCondition(page, condition));
        QCOMPARE(page.total, 3);
        QCOMPARE(page.appointmentResultList.size(), std::size_t(3));

        // A refusal of the server comes back as the thread's last error.
        protocol::ModifyAppointment change;
        change.guid = "0123456789abcdef0123456789abcdef";
        QVERIFY(!commlayer::AppointmentComm::updateAppointment(change, change.guid));
        QCOMPARE(Base::Error::GetLastError().module, 20u);
        QVERIFY(Base::Error::GetLastError().code != 0);
    }

    void notificationsArriveOffTheGuiThreadAndTheirGuiWorkHasRun()
    {
        ThreadObserver observer;
        clientcommonlogical::CNotifyCenterManager::Instance().RegisterObserver(&observer);
        QCOMPARE(m_bench.server().renameDoor(m_bench.ids("doors").front(), "East gate 东门"), 0u);
        QVERIFY(m_bench.waitForNotification("elementNameChanged"));
        clientcommonlogical::CNotifyCenterManager::Instance().AsyncUnregisterObserver(&observer);
        QVERIFY(observer.offGuiThread);
        // Nothing more to wait for: the queued GUI work ran inside the wait.
        QCOMPARE(observer.guiWork, 1);
        QCOMPARE(m_bench.notificationsReceived(), QStringList{"elementNameChanged"});
    }

    void questionsAndFileDialogsAreAnswered()
    {
        m_bench.answerNextQuestion(false);
        m_bench.answerNextQuestion(true);
        QCOMPARE(QorvaGUIToolkit::TipDialog::showMessageInfo(4, "Confirm", "First?", nullptr), 0);
        QCOMPARE(QorvaGUIToolkit::TipDialog::showMessageInfo(4, "Confirm", "Second?", nullptr), 1);
        QCOMPARE(m_bench.questions(), QStringList({"First?", "Second?"}));
        QCOMPARE(m_bench.questionAnswers(), QList<int>({0, 1}));

        const QString path = m_bench.testDir() + QStringLiteral("/export.xlsx");
        m_bench.answerNextFileDialog(path);
        QCOMPARE(QFileDialog::getSaveFileName(nullptr, "Export", QString(), "*.xlsx"), path);
    }

    void operatorSwitchReachesThePages()
    {
        QVERIFY(permitted());
        QVERIFY(m_bench.switchOperator(1));
        QVERIFY(!permitted());
        QVERIFY(m_bench.log().waitForPart("User[guard]"));
    }

    void largeSiteHasTheAskedShape()
    {
        QVERIFY2(m_bench.seedLargeSite(), qPrintable(m_bench.error()));
        QCOMPARE(m_bench.ids("persons").size(), std::size_t(2000));
        QCOMPARE(m_bench.ids("devices").size(), std::size_t(500));
        QCOMPARE(m_bench.ids("areas").size(), std::size_t(50));
        // Columns: guid, name, device_guid, door_no, group_guid.
        const auto doors = m_bench.server().list("doors");
        QCOMPARE(doors.size(), std::size_t(5001));
        std::map<std::string, int> perDevice;
        std::map<std::string, int> perArea;
        for (std::size_t i = 1; i < doors.size(); ++i) {
            ++perDevice[doors[i][2]];
            ++perArea[doors[i][4]];
        }
        QCOMPARE(perDevice.size(), std::size_t(500));
        QCOMPARE(perArea.size(), std::size_t(50));
        QVERIFY(std::all_of(perDevice.begin(), perDevice.end(),
                            [](const auto &p) { return p.second == 10; }));
        QVERIFY(std::all_of(perArea.begin(), perArea.end(),
                            [](const auto &p) { return p.second == 100; }));
    }

    // The next two run in this order: the first leaves state behind, the second must not
    // see any of it.
    void aTestLeavesDataNoticesWindowsAndAnotherOperator()
    {
        QVERIFY(m_bench.seedAppointments(5));
        QVERIFY(!m_bench.addAccessGroup("Lobby", 2).empty());
        UiDataController::CLocalLogManager::Instance().writeDetailOperationLog(
            9000, QStringLiteral("Name:Test"));
        auto *window = new QWidget;
        window->setAttribute(Qt::WA_DeleteOnClose);
        window->show();
        UiDataController::CInformationMgr::ShowInformationAtScreenRightBottom(
            QStringLiteral("Saved."), window);
        QVERIFY(m_bench.switchOperator(1));
        QCOMPARE(m_bench.operationLog().size(), 1);
        QCOMPARE(m_bench.notices(), QStringList{"Saved."});
    }

    void theNextTestStartsClean()
    {
        QVERIFY(m_bench.ids("appointments").empty());
        QVERIFY(m_bench.ids("groups").empty());
        QVERIFY(m_bench.operationLog().isEmpty());
        QVERIFY(m_bench.notices().isEmpty());
        QVERIFY(permitted());
        for (QWidget *w : QApplication::topLevelWidgets())
            QVERIFY2(!w->isVisible(), qPrintable(w->metaObject()->className()));
    }

    void endTestNamesWhatWasLeftOpen()
    {
        QDialog dialog;
        dialog.setObjectName(QStringLiteral("ForgottenDialog"));
        dialog.setModal(true);
        dialog.show();
        m_bench.answerNextQuestion(true);
        QVERIFY(!m_bench.endTest());
        QVERIFY2(m_bench.error().contains(QStringLiteral("ForgottenDialog")),
                 qPrintable(m_bench.error()));
        QVERIFY2(m_bench.error().contains(QStringLiteral("1 queued answer")),
                 qPrintable(m_bench.error()));
        QVERIFY(!dialog.isVisible());
        // cleanup() ends this second test run.
        QVERIFY2(m_bench.beginTest(), qPrintable(m_bench.error()));
    }
};

QTEST_MAIN(TestPageBench)
#include "tst_page_bench.moc"
