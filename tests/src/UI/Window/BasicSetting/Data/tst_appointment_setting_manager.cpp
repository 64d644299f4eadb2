// The settings holder against a real server: seeding a server without reasons (and not
// looping on one that will not keep them), saving, and announcing changes.

#include "pagebench/BenchTestCase.h"

#include <UI/Window/BasicSetting/Data/AppointmentSettingManager.h>

#include <RequestRouter.h>

#include <CommunicationLayer/BasicSettingComm.h>
#include <JSONStruct/settings/BasicSetting.h>
#include <JSONStruct/settings/QueryBasicSettingResult.h>

#include <Base/Error.h>

#include <QSignalSpy>
#include <QtTest>

using visitorclient::AppointmentSettingManager;
using visitorclient::BasicSettingData;
using visitorclient::VisitReasonData;
namespace BasicSettings = visitorclient::BasicSettings;
using Fault = qorvaserver::CManagementServer::SettingsFault;

Q_DECLARE_METATYPE(Fault)

namespace {

const QString kSettingsUrl = QStringLiteral("/7310/v1/settings/basic");
const int kGet = 0;
const int kPut = 2;
const char kGaveUp[] =
    "The server kept no visit reasons after [3] attempts; the default reasons are used "
    "without being stored.";

AppointmentSettingManager &manager()
{
    return AppointmentSettingManager::Instance();
}

QStringList names(const QVector<VisitReasonData> &reasons)
{
    QStringList out;
    for (const VisitReasonData &r : reasons)
        out << r.strReasonName;
    return out;
}

QStringList ids(const QVector<VisitReasonData> &reasons)
{
    QStringList out;
    for (const VisitReasonData &r : reasons)
        out << r.strReasonId;
    return out;
}

BasicSettingData onServer()
{
    protocol::QueryBasicSettingResult answer;
    if (!commlayer::BasicSettingComm::getConfig(answer))
        return BasicSettingData();
    return BasicSettings::fromQueryResult(answer);
}

} // namespace

class TestAppointmentSettingManager : public pagebench::BenchTestCase
{
    Q_OBJECT

private slots:
    void aServerWithoutReasonsIsSeededOnce()
    {
        QSignalSpy changed(&manager(), &AppointmentSettingManager::signalBasicSettingDataChanged);
        manager().loadConfig();

        const BasicSettingData held = manager().getBasicSettingData();
        QCOMPARE(ids(held.vecVisitReasons), QStringList({"1", "2", "3", "4", "5"}));
        QCOMPARE(names(held.vecVisitReasons), names(BasicSettings::defaultReasons()));
        QVERIFY(!names(held.vecVisitReasons).contains(QString()));
        QVERIFY(manager().reasonsStoredOnServer());
        // Nothing stored yet: no field settings, and the server's 0 days would refuse
        // every visit, so the held value is one day.
        QVERIFY(held.vecName.isEmpty() && held.vecRemark.isEmpty());
        QCOMPARE(held.appointmentDay, 1);

        QCOMPARE(m_bench.requestCount(kSettingsUrl, kPut), 1);
        QCOMPARE(m_bench.requestCount(kSettingsUrl, kGet), 2);
        QCOMPARE(onServer().vecVisitReasons, held.vecVisitReasons);
        QVERIFY(changed.count() >= 1);

        // A second load finds them and stores nothing.
        m_bench.mark();
        changed.clear();
        manager().loadConfig();
        QCOMPARE(m_bench.requestCount(kSettingsUrl, kPut), 0);
        QCOMPARE(manager().getBasicSettingData(), held);
        QCOMPARE(changed.count(), 0);
    }

    void loadingKeepsWhatTheServerHolds()
    {
        BasicSettingData stored = BasicSettings::defaultSettings();
        stored.vecPhone = BasicSettings::fieldSetting(true, true, true);
        stored.appointmentDay = 7;
        stored.vecVisitReasons = {{"z", "Zulu"}, {"a", "Alpha"}, {"m", QStringLiteral("会议")}};
        QVERIFY(commlayer::BasicSettingComm::setConfig(BasicSettings::toBasicSetting(stored)));
        m_bench.mark();

        manager().loadConfig();
        QCOMPARE(manager().getBasicSettingData(), stored);
        QCOMPARE(m_bench.requestCount(kSettingsUrl, kPut), 0);
    }

    void seedingIsBoundedOnAServerThatWillNotKeepReasons_data()
    {
        QTest::addColumn<Fault>("fault");
        QTest::addColumn<bool>("reachable");
        QTest::newRow("refuses saves") << Fault::RefuseSaves << true;
        QTest::newRow("forgets reasons") << Fault::DropReasons << true;
        QTest::newRow("unreachable") << Fault::None << false;
    }

    void seedingIsBoundedOnAServerThatWillNotKeepReasons()
    {
        QFETCH(Fault, fault);
        QFETCH(bool, reachable);
        m_bench.server().setSettingsFault(fault);
        if (!reachable)
            m_bench.router().setServer(nullptr);

        manager().loadConfig();

        QCOMPARE(m_bench.requestCount(kSettingsUrl, kPut),
                 AppointmentSettingManager::kMaxSeedAttempts);
        QCOMPARE(m_bench.requestCount(kSettingsUrl, kGet),
                 AppointmentSettingManager::kMaxSeedAttempts + 1);
        QCOMPARE(m_bench.log().count(kGaveUp), 1);
        const BasicSettingData held = manager().getBasicSettingData();
        QCOMPARE(held.vecVisitReasons, BasicSettings::defaultReasons());
        QVERIFY(!manager().reasonsStoredOnServer());

        // Once the server behaves, the next load stores them and clears the flag.
        m_bench.server().setSettingsFault(Fault::None);
        m_bench.router().setServer(&m_bench.server());
        manager().loadConfig();
        QVERIFY(manager().reasonsStoredOnServer());
        QCOMPARE(onServer().vecVisitReasons, BasicSettings::defaultReasons());
        QCOMPARE(m_bench.log().count(kGaveUp), 1);
    }

    void aSaveBecomesCurrentAndIsAnnounced()
    {
        manager().loadConfig();
        QSignalSpy changed(&manager(), &AppointmentSettingManager::signalBasicSettingDataChanged);
        // Receivers read the settings when told: they must already be the new ones.
        QList<BasicSettingData> seen;
        QObject receiver;
        connect(&manager(), &AppointmentSettingManager::signalBasicSettingDataChanged, &receiver,
                [&seen] { seen << manager().getBasicSettingData(); });
        BasicSettingData data = manager().getBasicSettingData();
        data.vecAddress = BasicSettings::fieldSetting(true, true, true);
        data.vecVisitReasons.append(VisitReasonData{"new-id", "Delivery"});
        data.appointmentDay = 3;

        QVERIFY(manager().setConfig(data));
        QCOMPARE(changed.count(), 1);
        QCOMPARE(seen, QList<BasicSettingData>{data});
        QCOMPARE(manager().getBasicSettingData(), data);
        QCOMPARE(onServer(), data);

        // A refused save changes nothing, says nothing and leaves the reason for the page.
        m_bench.server().setSettingsFault(Fault::RefuseSaves);
        BasicSettingData refused = data;
        refused.vecVisitReasons.clear();
        QVERIFY(!manager().setConfig(refused));
        QCOMPARE(QString::fromStdString(Base::Error::GetLastError().toString()),
                 QStringLiteral("20-17"));
        QCOMPARE(changed.count(), 1);
        QCOMPARE(manager().getBasicSettingData(), data);
    }
};

QTEST_MAIN(TestAppointmentSettingManager)
#include "tst_appointment_setting_manager.moc"
