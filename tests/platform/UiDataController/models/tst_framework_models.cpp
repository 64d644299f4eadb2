// The organisation, resource-group and device models over their delegates, loaded from
// the page bench's server; server changes reach them through notifications, in place.

#include "pagebench/BenchTestCase.h"

#include <RequestRouter.h>
#include <UI/AppRscManager/AppRscManager.h>

#include <UiDataController/CCheckedDeviceManagerModel.h>
#include <UiDataController/CCheckedGroupModel.h>
#include <UiDataController/CEncodeLogicModel.h>
#include <UiDataController/OrganizationManagerModel.h>

#include <clientcommonlogical/DeviceManagerDelegate.h>
#include <clientcommonlogical/GroupManagerDeletage.h>
#include <clientcommonlogical/NotifyCenterManager.h>
#include <clientcommonlogical/OrganizationManagerDelegate.h>

#include <JSONStruct/WebSocket/WebSocketCommonJSONStruct.h>

#include <QAbstractItemModelTester>
#include <QtTest>

#include <map>

using namespace UiDataController;

namespace {

using Row = std::vector<std::string>;

// The server's listing of what, keyed by id (column 0); the header row is dropped.
std::map<std::string, Row> listing(pagebench::PageBench &bench, const char *what)
{
    std::map<std::string, Row> rows;
    const auto all = bench.server().list(what);
    for (std::size_t i = 1; i < all.size(); ++i)
        rows[all[i][0]] = all[i];
    return rows;
}

QString q(const std::string &text)
{
    return QString::fromStdString(text);
}

// Hands a notification to the component's notify center the way its notification task
// does, for the types the demo server does not emit.
void notify(const char *json)
{
    protocol::WebSocketNotifyData envelope;
    QVERIFY2(envelope.Parse(json), json);
    QVERIFY2(envelope.data != nullptr, json);
    clientcommonlogical::CNotifyCenterManager::Instance().addNotify(envelope.data);
}

QStringList childTexts(const QStandardItem *parent)
{
    QStringList texts;
    for (int row = 0; row < parent->rowCount(); ++row)
        texts << parent->child(row)->text();
    return texts;
}

template <class Model> bool loaded(pagebench::PageBench &bench, Model &model)
{
    return bench.waitUntil([&] { return model.IsLoaded() && model.rowCount() > 0; });
}

} // namespace

class TestFrameworkModels : public pagebench::BenchTestCase
{
    Q_OBJECT

private slots:
    void doorTreeHoldsTheSitesAreasAndDoors();
    void areaTickFollowsItsDoors();
    void serverChangesReachTheDoorAndDeviceModelsInPlace();
    void deviceModelListsTheChosenTypes();
    void organisationTreeFindsPersons();
    void organisationAndPersonNotifications();
    void areaAndElementNotifications();
    void failedLoadRecoversOnRefreshAndOperatorSwitchReloads();
    void sharedManagersServeTheCurrentSite();
};

void TestFrameworkModels::doorTreeHoldsTheSitesAreasAndDoors()
{
    auto groups = std::make_shared<clientcommonlogical::CGroupManagerDeletage>();
    CCheckedGroupModel model(groups);
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
    QVERIFY(loaded(m_bench, model));

    const auto all = m_bench.server().list("areas"); // by sequence
    QCOMPARE(model.rowCount(), static_cast<int>(all.size()) - 1);
    const auto doors = listing(m_bench, "doors");
    const auto devices = listing(m_bench, "devices");
    int doorCount = 0;
    for (int row = 0; row < model.rowCount(); ++row) {
        const QStandardItem *area = model.item(row);
        QCOMPARE(area->text(), q(all[row + 1][1]));
        QCOMPARE(area->data(NodeTypeRole).toInt(), int(AreaNode));
        const QString areaId = area->data(AreaIdRole).toString();
        QCOMPARE(areaId, q(all[row + 1][0]));
        QCOMPARE(model.GetAllElementsByAreaID(areaId).size(), area->rowCount());
        for (const CElementModel &element : model.GetAllElementsByAreaID(areaId)) {
            ++doorCount;
            const Row &door = doors.at(element.GetElementID().toStdString());
            const QModelIndex index = model.GetElementIndexByElementID(element.GetElementID());
            QVERIFY(index.isValid());
            QCOMPARE(index.parent().data(AreaIdRole).toString(), areaId);
            QCOMPARE(index.data(NodeTypeRole).toInt(), int(ElementNode));
            QCOMPARE(index.data().toString(), q(door[1]));
            QCOMPARE(index.data(DeviceIdRole).toString(), q(door[2]));
            QCOMPARE(index.data(ElementNoRole).toString(), q(door[3]));
            QCOMPARE(index.data(AreaIdRole).toString(), q(door[4]));
            QCOMPARE(index.data(Qt::CheckStateRole).toInt(), int(Qt::Unchecked));
            const bool online = devices.at(door[2])[5] == "1";
            QCOMPARE(index.data(ElementOnlineRole).toBool(), online);
            QCOMPARE(element.IsOnline(), online);
            // The element the editor asks the delegate for reports the same state.
            const auto asked = groups->getElement(door[4], door[0]);
            QVERIFY(asked != nullptr);
            QCOMPARE(asked->isOnline(), online);
            QCOMPARE(asked->doorNo(), std::stoi(door[3]));
        }
    }
    QCOMPARE(doorCount, static_cast<int>(doors.size()));
    QCOMPARE(model.GetAllAreaModels().size(), model.rowCount());
    QCOMPARE(model.GetAllAreaModels().at(0).GetElementCount(), model.item(0)->rowCount());

    // Unknown or mismatched identifiers give nothing rather than a wrong node.
    QVERIFY(!model.GetElementIndexByElementID(QStringLiteral("ffffffffffffffffffffffffffffffff"))
                 .isValid());
    QVERIFY(model.GetAllElementsByAreaID(QStringLiteral("nope")).isEmpty());
    const Row &door = doors.begin()->second;
    const auto otherArea = all[1][0] == door[4] ? all[2][0] : all[1][0];
    QVERIFY(groups->getElement(otherArea, door[0]) == nullptr);

    // The tool menu's tree: areas only when asked so.
    CEncodeLogicModel areasOnly(groups, nullptr, LogicNodeParam{0});
    QCOMPARE(areasOnly.rowCount(), model.rowCount());
    QCOMPARE(areasOnly.item(0)->rowCount(), 0);
}

void TestFrameworkModels::areaTickFollowsItsDoors()
{
    CCheckedGroupModel model(std::make_shared<clientcommonlogical::CGroupManagerDeletage>());
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
    QVERIFY(loaded(m_bench, model));
    QStandardItem *area = model.item(0);
    QVERIFY(area->rowCount() >= 2);
    const QModelIndex first = area->child(0)->index();
    const QModelIndex second = area->child(1)->index();

    QVERIFY(model.setData(first, Qt::Checked, Qt::CheckStateRole));
    QCOMPARE(area->checkState(), Qt::PartiallyChecked);
    QCOMPARE(model.GetCheckedElementIDs(), QStringList{first.data(ElementIdRole).toString()});

    // A view clicking a partly ticked area sends "checked": every door follows.
    QVERIFY(model.setData(area->index(), Qt::Checked, Qt::CheckStateRole));
    for (int row = 0; row < area->rowCount(); ++row)
        QCOMPARE(area->child(row)->checkState(), Qt::Checked);
    QCOMPARE(area->checkState(), Qt::Checked);

    // The editor unticks one door with the plain value 0.
    QVERIFY(model.setData(second, 0, Qt::CheckStateRole));
    QCOMPARE(area->checkState(), Qt::PartiallyChecked);
    QVERIFY(model.setData(area->index(), Qt::Unchecked, Qt::CheckStateRole));
    QVERIFY(model.GetCheckedElementIDs().isEmpty());
    QCOMPARE(area->checkState(), Qt::Unchecked);

    // Ticking every door one by one ticks the area; clearing unticks everything.
    for (int row = 0; row < area->rowCount(); ++row)
        QVERIFY(model.setData(area->child(row)->index(), Qt::Checked, Qt::CheckStateRole));
    QCOMPARE(area->checkState(), Qt::Checked);
    model.ClearAllChecked();
    QCOMPARE(area->checkState(), Qt::Unchecked);
    QVERIFY(model.GetCheckedElementIDs().isEmpty());
}

void TestFrameworkModels::serverChangesReachTheDoorAndDeviceModelsInPlace()
{
    auto groups = std::make_shared<clientcommonlogical::CGroupManagerDeletage>();
    auto devices = std::make_shared<clientcommonlogical::CDeviceManagerDelegate>();
    CCheckedGroupModel doors(groups);
    CCheckedDeviceManagerModel deviceModel(VideoDeviceNodeParam{1, {108, 109, 102}}, devices);
    QAbstractItemModelTester doorTester(&doors,
                                        QAbstractItemModelTester::FailureReportingMode::QtTest);
    QAbstractItemModelTester deviceTester(&deviceModel,
                                          QAbstractItemModelTester::FailureReportingMode::QtTest);
    QVERIFY(loaded(m_bench, doors));
    QVERIFY(loaded(m_bench, deviceModel));
    QSignalSpy resets(&doors, &QAbstractItemModel::modelReset);

    // The main entrance controller: online, four doors in the lobby area.
    const auto all = listing(m_bench, "doors");
    std::string device;
    for (const auto &d : listing(m_bench, "devices")) {
        if (d.second[2] == "108")
            device = d.first;
    }
    std::vector<std::string> own;
    for (const auto &d : all) {
        if (d.second[2] == device)
            own.push_back(d.first);
    }
    QVERIFY(own.size() >= 2);
    const QPersistentModelIndex door(doors.GetElementIndexByElementID(q(own[0])));
    QVERIFY(door.isValid());
    QVERIFY(doors.setData(door, Qt::Checked, Qt::CheckStateRole));
    const QPersistentModelIndex deviceRow(deviceModel.GetDeviceIndexByDeviceID(q(device)));
    QVERIFY(deviceModel.setData(deviceRow, Qt::Checked, Qt::CheckStateRole));

    // A renamed door keeps its node and its tick.
    QCOMPARE(m_bench.server().renameDoor(own[0], "North Gate 北门"), 0u);
    QVERIFY(m_bench.waitUntil(
        [&] { return door.data().toString() == QStringLiteral("North Gate 北门"); }));
    QCOMPARE(door.data(Qt::CheckStateRole).toInt(), int(Qt::Checked));

    // A renamed area.
    const std::string area = all.at(own[0])[4];
    QCOMPARE(m_bench.server().renameResourceGroup(area, "Atrium 中庭"), 0u);
    QVERIFY(m_bench.waitUntil(
        [&] { return door.parent().data().toString() == QStringLiteral("Atrium 中庭"); }));

    // The device goes offline: its doors and its row show it, nothing is reloaded.
    QCOMPARE(m_bench.server().setDeviceOnline(device, false), 0u);
    QVERIFY(m_bench.waitUntil([&] {
        for (const std::string &id : own) {
            if (doors.GetElementIndexByElementID(q(id)).data(ElementOnlineRole).toBool())
                return false;
        }
        return !deviceRow.data(DeviceOnlineRole).toBool();
    }));
    QVERIFY(groups->getElement(area, own[0]) != nullptr);
    QVERIFY(!groups->getElement(area, own[0])->isOnline());
    QCOMPARE(deviceRow.data(Qt::CheckStateRole).toInt(), int(Qt::Checked));
    QVERIFY(door.isValid());

    QCOMPARE(m_bench.server().setDeviceOnline(device, true), 0u);
    QVERIFY(m_bench.waitUntil([&] { return door.data(ElementOnlineRole).toBool(); }));

    // The device is removed: its doors leave the tree (the area's tick follows what is
    // left), its row leaves the device list.
    const int devicesBefore = deviceModel.rowCount();
    QCOMPARE(m_bench.server().removeDevice(device), 0u);
    QVERIFY(m_bench.waitUntil(
        [&] { return !door.isValid() && deviceModel.rowCount() == devicesBefore - 1; }));
    for (const std::string &id : own)
        QVERIFY(!doors.GetElementIndexByElementID(q(id)).isValid());
    QVERIFY(!deviceModel.GetDeviceIndexByDeviceID(q(device)).isValid());
    QCOMPARE(devices->getDeviceName(device), std::string());
    QVERIFY(doors.GetCheckedElementIDs().isEmpty());
    QCOMPARE(resets.count(), 0);
}

void TestFrameworkModels::deviceModelListsTheChosenTypes()
{
    auto devices = std::make_shared<clientcommonlogical::CDeviceManagerDelegate>();
    CCheckedDeviceManagerModel accessControllers(VideoDeviceNodeParam{1, {108, 109, 102}}, devices);
    CCheckedDeviceManagerModel mainOnly(VideoDeviceNodeParam{0, {108}}, devices);
    QAbstractItemModelTester tester(&accessControllers,
                                    QAbstractItemModelTester::FailureReportingMode::QtTest);
    QVERIFY(loaded(m_bench, accessControllers));
    QVERIFY(m_bench.waitUntil([&] { return mainOnly.rowCount() == 1; }));

    const auto all = m_bench.server().list("devices"); // server order
    QCOMPARE(accessControllers.rowCount(), static_cast<int>(all.size()) - 1);
    for (int row = 0; row < accessControllers.rowCount(); ++row) {
        const QModelIndex index = accessControllers.index(row, 0);
        QCOMPARE(index.data(DeviceIdRole).toString(), q(all[row + 1][0]));
        QCOMPARE(index.data(DeviceNameRole).toString(), q(all[row + 1][1]));
        QCOMPARE(index.data().toString(), q(all[row + 1][1]));
        QCOMPARE(index.data(DeviceOnlineRole).toBool(), all[row + 1][5] == "1");
        QCOMPARE(index.data(Qt::CheckStateRole).toInt(), int(Qt::Unchecked));
        QVERIFY(index.flags() & Qt::ItemIsUserCheckable);
        QCOMPARE(devices->getDeviceName(all[row + 1][0]), all[row + 1][1]);
    }
    QCOMPARE(mainOnly.index(0, 0).data(DeviceTypeRole).toInt(), 108);
    QVERIFY(!(mainOnly.index(0, 0).flags() & Qt::ItemIsUserCheckable));
    QVERIFY(!mainOnly.index(0, 0).data(Qt::CheckStateRole).isValid());

    QVERIFY(
        accessControllers.setData(accessControllers.index(1, 0), Qt::Checked, Qt::CheckStateRole));
    QCOMPARE(accessControllers.GetCheckedDeviceIDs(), QStringList{q(all[2][0])});
}

void TestFrameworkModels::organisationTreeFindsPersons()
{
    auto delegate = std::make_shared<clientcommonlogical::OrganizationManagerDelegate>(1);
    OrganizationManagerModel model(delegate);
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
    QVERIFY(loaded(m_bench, model));

    // One root; every person sits under its organisation, after the sub-organisations.
    QCOMPARE(model.rowCount(), 1);
    const auto persons = listing(m_bench, "persons");
    QCOMPARE(static_cast<std::size_t>(delegate->getPersons().size()), persons.size());
    for (const auto &p : persons) {
        const QModelIndex person = model.findPersonIndexByGuid(p.first);
        QVERIFY(person.isValid());
        QCOMPARE(person.data(NodeTypeRole).toInt(), int(PersonNode));
        QCOMPARE(person.data(PersonGuidRole).toString(), q(p.first));
        QCOMPARE(person.data().toString(), q(p.second[1]));
        // The form fills the organisation field from the parent's name.
        const QModelIndex org = person.parent();
        QCOMPARE(org.data(NodeTypeRole).toInt(), int(OrganizationNode));
        clientcommonlogical::PersonInfo info;
        QVERIFY(delegate->getPerson(p.first, info));
        QCOMPARE(org.data(OrganizationIdRole).toString(), q(info.orgId));
        clientcommonlogical::OrganizationInfo orgInfo;
        QVERIFY(delegate->getOrganization(info.orgId, orgInfo));
        QCOMPARE(org.data(OrganizationNameRole).toString(), q(orgInfo.name));
        for (int row = person.row() + 1; row < model.rowCount(org); ++row)
            QCOMPARE(model.index(row, 0, org).data(NodeTypeRole).toInt(), int(PersonNode));
    }
    QVERIFY(!model.findPersonIndexByGuid("ffffffffffffffffffffffffffffffff").isValid());

    // Organisations only: the same tree without persons.
    auto orgsOnly = std::make_shared<clientcommonlogical::OrganizationManagerDelegate>(0);
    OrganizationManagerModel bare(orgsOnly);
    QVERIFY(loaded(m_bench, bare));
    QVERIFY(orgsOnly->getPersons().empty());
    QVERIFY(!bare.findPersonIndexByGuid(persons.begin()->first).isValid());
    QCOMPARE(bare.item(0)->text(), model.item(0)->text());
}

void TestFrameworkModels::organisationAndPersonNotifications()
{
    auto delegate = std::make_shared<clientcommonlogical::OrganizationManagerDelegate>(1);
    OrganizationManagerModel model(delegate);
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
    QVERIFY(loaded(m_bench, model));
    const std::string root = model.item(0)->data(OrganizationIdRole).toString().toStdString();
    const std::string personId = listing(m_bench, "persons").begin()->first;
    const QPersistentModelIndex person(model.findPersonIndexByGuid(personId));

    // A new organisation with a person, placed by sequence and name.
    const std::string org = "0123456789abcdef0123456789abcdef";
    notify(("{\"guid\":\"n1\",\"type\":\"organizationAdded\",\"data\":{\"guid\":\"" + org +
            "\",\"parentGuid\":\"" + root + "\",\"name\":\"Security 安保\",\"sequence\":0}}")
               .c_str());
    notify(("{\"guid\":\"n2\",\"type\":\"personnelAdded\",\"data\":{\"guid\":"
            "\"aaaaaaaaaaaaaaaaaaaaaaaaaaaaaaa1\","
            "\"orgGuid\":\"" +
            org + "\",\"name\":\"Zoe\"}}")
               .c_str());
    QVERIFY(m_bench.waitUntil(
        [&] { return model.findPersonIndexByGuid("aaaaaaaaaaaaaaaaaaaaaaaaaaaaaaa1").isValid(); }));
    const QPersistentModelIndex security(model.findOrganizationIndexByGuid(org));
    QCOMPARE(security.row(), 0); // sequence 0 comes before the seeded sub-organisations
    QCOMPARE(security.parent(), model.index(0, 0));
    QCOMPARE(security.data(OrganizationNameRole).toString(), QStringLiteral("Security 安保"));

    // A renamed person keeps its node; a moved one changes organisation and takes its
    // place there by name.
    notify(("{\"guid\":\"n3\",\"type\":\"personnelNameModified\",\"data\":{\"guid\":\"" + personId +
            "\",\"name\":\"Aaron\"}}")
               .c_str());
    QVERIFY(m_bench.waitUntil([&] { return person.data().toString() == QStringLiteral("Aaron"); }));
    notify(("{\"guid\":\"n4\",\"type\":\"parentModified\",\"data\":{\"guid\":\"" + personId +
            "\",\"orgGuid\":\"" + org + "\"}}")
               .c_str());
    QVERIFY(m_bench.waitUntil(
        [&] { return model.findPersonIndexByGuid(personId).parent() == security; }));
    QCOMPARE(childTexts(model.itemFromIndex(security)),
             (QStringList{QStringLiteral("Aaron"), QStringLiteral("Zoe")}));

    // Removing the organisation takes its persons along.
    notify(
        ("{\"guid\":\"n5\",\"type\":\"organizationRemoved\",\"data\":{\"guid\":\"" + org + "\"}}")
            .c_str());
    QVERIFY(m_bench.waitUntil([&] { return !model.findPersonIndexByGuid(personId).isValid(); }));
    QVERIFY(!model.findPersonIndexByGuid("aaaaaaaaaaaaaaaaaaaaaaaaaaaaaaa1").isValid());
    clientcommonlogical::PersonInfo gone;
    QVERIFY(!delegate->getPerson(personId, gone));
}

void TestFrameworkModels::areaAndElementNotifications()
{
    auto groups = std::make_shared<clientcommonlogical::CGroupManagerDeletage>();
    CCheckedGroupModel model(groups);
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
    QVERIFY(loaded(m_bench, model));
    const int areas = model.rowCount();
    const QString lastArea = model.item(areas - 1)->data(AreaIdRole).toString();

    // A new area between the first and the second, and a door in it.
    const std::string area = "bbbbbbbbbbbbbbbbbbbbbbbbbbbbbbb1";
    const std::string door = "cccccccccccccccccccccccccccccc01";
    notify(("{\"guid\":\"n1\",\"type\":\"groupAdded\",\"data\":{\"guid\":\"" + area +
            "\",\"name\":\"Roof 屋顶\",\"sequence\":1}}")
               .c_str());
    notify(("{\"guid\":\"n2\",\"type\":\"doorAdded\",\"data\":{\"guid\":\"" + door +
            "\",\"groupGuid\":\"" + area +
            "\",\"name\":\"Roof "
            "Hatch\",\"deviceGuid\":\"dddddddddddddddddddddddddddddd01\",\"doorNo\":9,"
            "\"online\":true}}")
               .c_str());
    QVERIFY(m_bench.waitUntil([&] { return model.GetElementIndexByElementID(q(door)).isValid(); }));
    QCOMPARE(model.rowCount(), areas + 1);
    QCOMPARE(model.GetAreaIndexByAreaID(q(area)).row(), 1);
    const QModelIndex hatch = model.GetElementIndexByElementID(q(door));
    QCOMPARE(hatch.data(ElementNoRole).toInt(), 9);
    QVERIFY(hatch.data(ElementOnlineRole).toBool());

    // A batch of online states and an area moved to the end by its new sequence.
    notify(("{\"guid\":\"n3\",\"type\":\"elementBatchOnlineChanged\",\"data\":{\"guidList\":[\"" +
            door + "\"],\"online\":false}}")
               .c_str());
    notify(("{\"guid\":\"n4\",\"type\":\"groupOrderChanged\",\"data\":{\"guid\":\"" + area +
            "\",\"sequence\":99}}")
               .c_str());
    QVERIFY(m_bench.waitUntil([&] { return model.GetAreaIndexByAreaID(q(area)).row() == areas; }));
    QVERIFY(!model.GetElementIndexByElementID(q(door)).data(ElementOnlineRole).toBool());
    QCOMPARE(model.GetAreaIndexByAreaID(lastArea).row(), areas - 1);

    // Many changes of one door end in its last state; a batch larger than what the
    // model takes in per event-loop turn arrives whole.
    model.SetMaxItemsPerTurn(1);
    for (int i = 0; i < 50; ++i)
        notify(("{\"guid\":\"t\",\"type\":\"doorOnlineState\",\"data\":{\"guid\":\"" + door +
                "\",\"online\":" + (i % 2 == 0 ? "true" : "false") + "}}")
                   .c_str());
    std::string all;
    for (const auto &d : listing(m_bench, "doors"))
        all += (all.empty() ? "\"" : ",\"") + d.first + "\"";
    notify(("{\"guid\":\"t\",\"type\":\"resourceBatchOnlineState\",\"data\":{\"guidList\":[" + all +
            "],\"online\":true}}")
               .c_str());
    notify(("{\"guid\":\"t\",\"type\":\"doorNameChanged\",\"data\":{\"guid\":\"" + door +
            "\",\"name\":\"Roof Hatch 2\"}}")
               .c_str());
    QVERIFY(m_bench.waitUntil(
        [&] { return model.GetElementIndexByElementID(q(door)).data() == "Roof Hatch 2"; }));
    QVERIFY(!model.GetElementIndexByElementID(q(door)).data(ElementOnlineRole).toBool());
    QVERIFY(m_bench.waitUntil([&] {
        for (const auto &d : listing(m_bench, "doors")) {
            if (!model.GetElementIndexByElementID(q(d.first)).data(ElementOnlineRole).toBool())
                return false;
        }
        return true;
    }));

    // A ticked door of a removed area leaves no tick behind.
    QVERIFY(
        model.setData(model.GetElementIndexByElementID(q(door)), Qt::Checked, Qt::CheckStateRole));
    notify(("{\"guid\":\"n5\",\"type\":\"groupRemoved\",\"data\":{\"guid\":\"" + area + "\"}}")
               .c_str());
    QVERIFY(m_bench.waitUntil([&] { return model.rowCount() == areas; }));
    QVERIFY(!model.GetElementIndexByElementID(q(door)).isValid());
    QVERIFY(model.GetCheckedElementIDs().isEmpty());
    qorva7310::GroupElementInfo info;
    QVERIFY(!groups->getElementInfo(door, info));
}

namespace {

struct ResetCounter : qorva7310::IDataChangeListener
{
    std::atomic<int> resets{0};
    void onItemChanged(qorva7310::DataKind, const std::string &) override {}
    void onReset() override { ++resets; }
};

} // namespace

void TestFrameworkModels::failedLoadRecoversOnRefreshAndOperatorSwitchReloads()
{
    // Without a server every request fails: the load ends failed and the model empty.
    m_bench.router().setServer(nullptr);
    auto groups = std::make_shared<clientcommonlogical::CGroupManagerDeletage>();
    CCheckedGroupModel model(groups);
    ResetCounter counter;
    groups->addChangeListener(&counter);
    const bool failed =
        m_bench.waitUntil([&] { return groups->loadState() == qorva7310::LoadState::Failed; });
    m_bench.router().setServer(&m_bench.server());
    QVERIFY(failed);
    QCOMPARE(model.rowCount(), 0);
    QVERIFY(!model.IsLoaded());

    groups->refresh();
    QVERIFY(loaded(m_bench, model));
    QCOMPARE(model.rowCount(), static_cast<int>(m_bench.ids("areas").size()));

    // Another operator may see other data: the switch reloads.
    const int before = counter.resets;
    QVERIFY(m_bench.switchOperator(1));
    QVERIFY(m_bench.waitUntil([&] { return counter.resets > before && model.IsLoaded(); }));
    groups->removeChangeListener(&counter);
}

void TestFrameworkModels::sharedManagersServeTheCurrentSite()
{
    // What the tool menu and the record detail read: the window resource manager's
    // managers, created once.
    auto &rsc = visitorclient::CAppRscManager::Instance();
    QCOMPARE(rsc.getIGroupManager(), rsc.getIGroupManager());
    CEncodeLogicModel tree(rsc.getIGroupManager(), nullptr, LogicNodeParam{1});
    QVERIFY(loaded(m_bench, tree));
    const auto doors = listing(m_bench, "doors");
    for (const auto &door : doors)
        QVERIFY(tree.GetElementIndexByElementID(q(door.first)).isValid());
    for (const auto &device : listing(m_bench, "devices"))
        QCOMPARE(rsc.getIDeviceManager()->getDeviceName(device.first), device.second[1]);
    QCOMPARE(rsc.getIDeviceManager()->getDeviceName("ffffffffffffffffffffffffffffffff"),
             std::string());
}

QTEST_MAIN(TestFrameworkModels)
#include "tst_framework_models.moc"
