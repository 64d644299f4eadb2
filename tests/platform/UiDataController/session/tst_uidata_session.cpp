#include <UiDataController/LocalLogManager.h>
#include <UiDataController/PermissionManager.h>

#include <QorvaGUIToolkit/TestHooks.h>

#include <clientcommonlogical/LocalLogDelegate.h>
#include <clientcommonlogical/UserConfigDelegate.h>

#include <QLineEdit>
#include <QtTest>

#include <memory>

using UiDataController::CLocalLogManager;
using UiDataController::CPermissionManager;
using QorvaGUIToolkit::TestHooks;

class TestUiDataSession : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void permissionsGrantedUntilAFunctionIsWithdrawn();
    void refusalIsShownAsAskedFor();
    void operationLogSurvivesARestart();
};

void TestUiDataSession::initTestCase()
{
    TestHooks::enable();
    TestHooks::setDefaultAnswer(TestHooks::Answer::Confirm);
}

void TestUiDataSession::permissionsGrantedUntilAFunctionIsWithdrawn()
{
    CPermissionManager manager;
    QVERIFY(manager.verityFunPermission(9, 6, nullptr, UiDataController::NoShow)); // no delegate yet

    auto delegate = std::make_shared<clientcommonlogical::CUserConfigDelegate>();
    delegate->setDeniedFunctions({9});
    manager.init(delegate);
    QVERIFY(!manager.verityFunPermission(9, 6, nullptr, UiDataController::NoShow));
    QVERIFY(manager.verityFunPermission(10, 6, nullptr, UiDataController::NoShow));
    delegate->setDeniedFunctions({});
    QVERIFY(manager.verityFunPermission(9, 6, nullptr, UiDataController::NoShow));
    QVERIFY(TestHooks::records().isEmpty());
}

void TestUiDataSession::refusalIsShownAsAskedFor()
{
    CPermissionManager manager;
    auto delegate = std::make_shared<clientcommonlogical::CUserConfigDelegate>();
    delegate->setDeniedFunctions({9});
    manager.init(delegate);
    QLineEdit edit;
    edit.show();
    TestHooks::clearRecords();
    QVERIFY(!manager.verityFunPermission(9, 1, &edit, UiDataController::ShowTip));
    QCOMPARE(TestHooks::toolTips().size(), 1);
    QVERIFY(!manager.verityFunPermission(9, 1, &edit, UiDataController::ShowDialog));
    QCOMPARE(TestHooks::warnings().size(), 1);
    QCOMPARE(TestHooks::toolTips().first(), TestHooks::warnings().first());
}

void TestUiDataSession::operationLogSurvivesARestart()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    auto userConfig = std::make_shared<clientcommonlogical::CUserConfigDelegate>();
    userConfig->setCurrentUser(QStringLiteral("operator1"));
    CLocalLogManager &log = CLocalLogManager::Instance();
    log.setUserConfig(userConfig);
    {
        auto store = std::make_shared<clientcommonlogical::CLocalLogDelegate>();
        store->setDirectory(dir.path());
        log.init(store);
        log.writeDetailOperationLog(9000, QStringLiteral("Add appointment [张三]"));
        log.writeOtherLog(7, QStringLiteral("other"));
        store->flush();
    }
    // A new store on the same directory (as after a restart) reads what was written.
    auto reopened = std::make_shared<clientcommonlogical::CLocalLogDelegate>();
    reopened->setDirectory(dir.path());
    log.init(reopened);
    log.writeDetailOperationLog(9008, QStringLiteral("third"));
    const auto records = log.readAll();
    QCOMPARE(records.size(), 3);
    QCOMPARE(records[0].type, 9000);
    QCOMPARE(records[0].user, QStringLiteral("operator1"));
    QCOMPARE(records[0].text, QStringLiteral("Add appointment [张三]"));
    QCOMPARE(records[0].category, int(clientcommonlogical::LocalLogRecord::Detail));
    QCOMPARE(records[1].category, int(clientcommonlogical::LocalLogRecord::Other));
    QCOMPARE(records[2].type, 9008);
    QVERIFY(qAbs(records[2].time.secsTo(QDateTime::currentDateTime())) < 120);
    log.init(nullptr);
}

QTEST_MAIN(TestUiDataSession)
#include "tst_uidata_session.moc"
