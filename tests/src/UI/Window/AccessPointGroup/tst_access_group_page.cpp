// The access-point group page and its editor against a real server: the group limit, the
// default group, names, picking doors, deletion with groups in use, device removals and
// renames from the notification thread, synchronisation and the operator's right.

#include "pagebench/BenchTestCase.h"

#include <UI/Window/AccessPointGroup/AccessPointGroupModel.h>
#include <UI/Window/AccessPointGroup/AccessPointGroupWidget.h>
#include <UI/Window/AccessPointGroup/AddPointGroupWidget.h>
#include <UI/Window/AccessPointGroup/CAccessGroupDoorInfoModel.h>
#include <UI/Window/AccessPointGroup/DoorsDetailWidget.h>
#include <UI/Window/Application/COverlayFrame.h>
#include <UI/Window/Application/WindowPointers.h>

#include <JSONStruct/appointment/AddAppointment.h>
#include <JSONStruct/appointment/AddAppointmentResultListData.h>

#include <CommunicationLayer/AppointmentComm.h>

#include <UiDataController/CCheckedGroupModel.h>
#include <UiDataController/ModelRoles.h>

#include <QorvaGUIToolkit/CMutilColumnFilterProxyModel.h>
#include <QorvaGUIToolkit/CShadeFrame.h>
#include <QorvaGUIToolkit/CTableView.h>
#include <QorvaGUIToolkit/CTreeViewModel.h>
#include <QorvaGUIToolkit/CValidateLineEditEx.h>

#include <QAbstractItemModelTester>
#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QtTest>

using namespace visitorclient;

namespace {

QString pageText(const char *key)
{
    return QCoreApplication::translate("visitorclient::AccessPointGroupWidget", key);
}

QString editorText(const char *key)
{
    return QCoreApplication::translate("visitorclient::AddPointGroupWidget", key);
}

// A door of the demo site as the server lists it.
struct SiteDoor
{
    std::string guid;
    std::string name;
    std::string device;
    int number = 0;
    std::string area;
};

// Names of the demo devices' addresses, by column of the server's device listing.
enum DeviceColumn { DeviceGuidCol = 0, DeviceNameCol, DeviceTypeCol, DeviceIpCol };

} // namespace

class TestAccessGroupPage : public pagebench::BenchTestCase
{
    Q_OBJECT
    std::unique_ptr<QWidget> m_window;
    std::unique_ptr<AccessPointGroupWidget> m_page;

    // The page in a window with a drawer, activated (groups loaded).
    AccessPointGroupWidget &openPage()
    {
        m_window = std::make_unique<QWidget>();
        m_window->resize(1280, 800);
        auto *shade = new QorvaGUIToolkit::CShadeFrame(m_window.get());
        g_pMainWindow = m_window.get();
        g_pShadeFrame = shade;
        g_pOverlayFrame = new COverlayFrame(shade, m_window.get());
        m_page = std::make_unique<AccessPointGroupWidget>(m_window.get());
        m_page->initFramePointers();
        m_page->resize(1200, 700);
        m_window->show();
        m_page->show();
        m_page->activatePage();
        new QAbstractItemModelTester(m_page->model(), m_page.get());
        new QAbstractItemModelTester(m_page->doorsDetail()->model(), m_page.get());
        m_bench.mark();
        return *m_page;
    }

    std::vector<SiteDoor> siteDoors()
    {
        std::vector<SiteDoor> doors;
        const auto rows = m_bench.server().list("doors");
        for (std::size_t i = 1; i < rows.size(); ++i)
            doors.push_back(
                {rows[i][0], rows[i][1], rows[i][2], std::stoi(rows[i][3]), rows[i][4]});
        return doors;
    }

    static groupData groupOf(const std::string &name, const std::vector<SiteDoor> &doors)
    {
        groupData group;
        group.strName = name;
        for (const SiteDoor &d : doors)
            group.vecDoors.append({d.device, d.guid, d.area, d.name, d.number});
        return group;
    }

    // Opens the editor for a new group and waits until its door tree has the site.
    AddPointGroupWidget &openEditorForNew()
    {
        m_page->onAdd();
        AddPointGroupWidget *editor = m_page->editor();
        [&] { QVERIFY(editor != nullptr); }();
        [&] {
            QVERIFY(m_bench.waitUntil(
                [editor] { return editor->doorTreeModel()->GetAllAreaModels().size() == 3; }));
        }();
        return *editor;
    }

    // Ticks or unticks a tree node as a click on its box does.
    void clickTreeBox(AddPointGroupWidget &editor, const QModelIndex &node, bool on)
    {
        editor.doorTreeModel()->setData(node, on ? Qt::Checked : Qt::Unchecked, Qt::CheckStateRole);
        editor.onClickedDoorItem(node);
    }

    QModelIndex areaNode(AddPointGroupWidget &editor, const std::string &area)
    {
        return editor.doorTreeModel()->GetAreaIndexByAreaID(QString::fromStdString(area));
    }

    QModelIndex doorNode(AddPointGroupWidget &editor, const std::string &door)
    {
        return editor.doorTreeModel()->GetElementIndexByElementID(QString::fromStdString(door));
    }

    QStringList rowNames() const
    {
        QStringList names;
        for (int row = 0; row < m_page->model()->rowCount(); ++row)
            names << QString::fromStdString(m_page->model()->groupAt(row).strName);
        return names;
    }

    QStringList detailColumn(int column) const
    {
        QStringList texts;
        const QAbstractItemModel *model = m_page->doorsDetail()->model();
        for (int row = 0; row < model->rowCount(); ++row)
            texts << model->index(row, column).data().toString();
        return texts;
    }

    void tickRow(int row)
    {
        m_page->model()->item(row, AccessPointGroupModel::CheckColumn)->setCheckState(Qt::Checked);
    }

    static bool bookWithGroup(const std::string &groupGuid)
    {
        protocol::AddAppointment request;
        protocol::Appointment appointment;
        appointment.name_ = "Holder of the group";
        appointment.gender = 1;
        appointment.accessPointGroup = groupGuid;
        request.appointmentList.push_back(appointment);
        protocol::AddAppointmentResultListData answer;
        return commlayer::AppointmentComm::addAppointment(answer, request);
    }

    void releaseTestObjects() override
    {
        m_page.reset();
        g_pOverlayFrame = nullptr;
        g_pShadeFrame = nullptr;
        g_pMainWindow = nullptr;
        m_window.reset();
    }

private slots:
    void addStopsAtSixtyFourGroups()
    {
        for (int i = 0; i < 63; ++i)
            QVERIFY(!m_bench.addAccessGroup("Group " + std::to_string(i), 1).empty());
        AccessPointGroupWidget &page = openPage();
        QCOMPARE(page.model()->rowCount(), 63);
        page.onAdd();
        QVERIFY(g_pOverlayFrame->contentWidget() == page.editor());
        QCOMPARE(g_pOverlayFrame->title(), pageText("Add"));
        page.editor()->signalCancel();
        QVERIFY(!g_pOverlayFrame->isShown());

        QVERIFY(!m_bench.addAccessGroup("Group 63", 1).empty());
        m_page.reset();
        openPage().onAdd();
        QCOMPARE(m_page->model()->rowCount(), 64);
        QVERIFY(!g_pOverlayFrame->isShown());
        QCOMPARE(m_bench.notices(), QStringList{pageText("AddAtMostSAPJXnPAIR").arg(64)});
    }

    void defaultGroupBoxFollowsTheDefaultGroup()
    {
        QVERIFY(!m_bench.addAccessGroup("Lobby", 1).empty());
        QVERIFY(!m_bench.addAccessGroup("Visitors", 2, true).empty());
        AccessPointGroupWidget &page = openPage();
        // Sorted by name: Lobby, Visitors.
        QCOMPARE(rowNames(), (QStringList{"Lobby", "Visitors"}));
        QCOMPARE(page.model()->defaultGroupRow(), 1);

        page.onAdd();
        QVERIFY(!page.editor()->defaultGroupBox()->isEnabled());
        page.onOperation(page.model()->index(0, AccessPointGroupModel::OperationColumn),
                         QorvaGUIToolkit::ItemClickableIconRole);
        QVERIFY(!page.editor()->defaultGroupBox()->isEnabled());
        QCOMPARE(g_pOverlayFrame->title(), pageText("Modify"));
        page.onDoubleClick(page.model()->index(1, AccessPointGroupModel::NameColumn));
        QVERIFY(page.editor()->defaultGroupBox()->isEnabled());
        QVERIFY(page.editor()->defaultGroupBox()->isChecked());
        QCOMPARE(page.editor()->selectedDoorIds().size(), 2);

        // Other roles than the edit icon open nothing.
        page.onHideFrame();
        page.onOperation(page.model()->index(0, AccessPointGroupModel::NameColumn),
                         QorvaGUIToolkit::CItemDataRole(Qt::DisplayRole));
        QVERIFY(!g_pOverlayFrame->isShown());
    }

    void namesAreComparedWithLetterCase()
    {
        QVERIFY(!m_bench.addAccessGroup("Lobby", 1).empty());
        AccessPointGroupWidget &page = openPage();
        QSignalSpy published(&page, &AccessPointGroupWidget::signalAccessPointDataChanged);
        AddPointGroupWidget &editor = openEditorForNew();
        const std::vector<SiteDoor> doors = siteDoors();
        clickTreeBox(editor, doorNode(editor, doors[0].guid), true);

        editor.nameEdit()->setText(QStringLiteral("Lobby"));
        editor.onSave();
        QCOMPARE(m_bench.toolTips(), QStringList{editorText("NameAlreadyExists")});
        QVERIFY(g_pOverlayFrame->isShown());
        QCOMPARE(page.model()->rowCount(), 1);

        editor.nameEdit()->clear();
        editor.onSave();
        QVERIFY(m_bench.toolTips().contains(editorText("TheNameIsRequired")));

        editor.nameEdit()->setText(QStringLiteral("LOBBY"));
        editor.onSave();
        QVERIFY(!g_pOverlayFrame->isShown());
        QCOMPARE(rowNames(), (QStringList{"Lobby", "LOBBY"}));
        // The new row is current and its door shows in the detail.
        QCOMPARE(page.table()->currentIndex().row(), 1);
        QCOMPARE(detailColumn(CAccessGroupDoorInfoModel::DoorColumn),
                 QStringList{QString::fromStdString(doors[0].name)});
        const auto log = m_bench.operationLog();
        QCOMPARE(log.size(), 1);
        QCOMPARE(log[0].type, 9005);
        QCOMPARE(log[0].text, pageText("AccessRightsGroupIHwNecpAbY") + ":LOBBY");
        QCOMPARE(published.size(), 1);
        const auto map = published.last().at(0).value<QMap<QString, QString>>();
        QCOMPARE(map.size(), 2);
        QCOMPARE(map.value(page.model()->guidAt(1)), QStringLiteral("LOBBY"));

        // Without doors nothing is sent.
        page.onAdd();
        editor.nameEdit()->setText(QStringLiteral("Empty"));
        m_bench.mark();
        editor.onSave();
        QCOMPARE(m_bench.notices(),
                 QStringList{editorText("PleaseSelectAtLeastOneAccessControlPoint")});
        QVERIFY(m_bench.requests().isEmpty());
        page.onHideFrame();
    }

    void modifyRewritesTheRow()
    {
        QVERIFY(!m_bench.addAccessGroup("Lobby", 3).empty());
        AccessPointGroupWidget &page = openPage();
        page.onOperation(page.model()->index(0, AccessPointGroupModel::OperationColumn),
                         QorvaGUIToolkit::ItemClickableIconRole);
        AddPointGroupWidget &editor = *page.editor();
        QVERIFY(m_bench.waitUntil(
            [&] { return editor.doorTreeModel()->GetAllAreaModels().size() == 3; }));
        QCOMPARE(editor.countLabel()->text(), QStringLiteral("(3)"));
        // Remove the first listed door through its icon: the tree loses its mark too.
        const QString first = editor.selectedDoorIds().first();
        editor.onDeleteDoorItem(
            editor.selectedModel()->index(0, AddPointGroupWidget::SelectedRemoveColumn),
            QorvaGUIToolkit::ItemClickableIconRole);
        QCOMPARE(editor.countLabel()->text(), QStringLiteral("(2)"));
        QCOMPARE(editor.doorTreeModel()
                     ->GetElementIndexByElementID(first)
                     .data(Qt::CheckStateRole)
                     .toInt(),
                 int(Qt::Unchecked));
        editor.nameEdit()->setText(QStringLiteral("Lobby east"));
        editor.descriptionEdit()->setText(QStringLiteral("Ground floor"));
        editor.qrCodeV2Box()->setChecked(true);
        editor.onSave();

        const groupData saved = page.model()->groupAt(0);
        QCOMPARE(saved.strName, std::string("Lobby east"));
        QCOMPARE(saved.vecDoors.size(), 2);
        QCOMPARE(page.model()->item(0, AccessPointGroupModel::DoorsColumn)->text(),
                 QStringLiteral("2"));
        QCOMPARE(page.model()->item(0, AccessPointGroupModel::DescriptionColumn)->text(),
                 QStringLiteral("Ground floor"));
        QCOMPARE(detailColumn(0).size(), 2);
        const auto groups = m_bench.server().list("groups");
        QCOMPARE(groups.at(1).at(1), std::string("Lobby east"));
        QCOMPARE(groups.at(1).at(3), std::string("2"));
        const auto log = m_bench.operationLog();
        QCOMPARE(log.size(), 1);
        QCOMPARE(log[0].type, 9006);
    }

    void refusedSaveKeepsTheList()
    {
        QVERIFY(!m_bench.addAccessGroup("Visitors", 1, true).empty());
        AccessPointGroupWidget &page = openPage();
        AddPointGroupWidget &editor = openEditorForNew();
        clickTreeBox(editor, doorNode(editor, siteDoors()[1].guid), true);
        editor.nameEdit()->setText(QStringLiteral("Second default"));
        // The box is off for the operator; the server still refuses a second default.
        editor.defaultGroupBox()->setChecked(true);
        editor.onSave();
        QVERIFY(!g_pOverlayFrame->isShown());
        QCOMPARE(page.model()->rowCount(), 1);
        QVERIFY(m_bench.operationLog().isEmpty());
        QCOMPARE(m_bench.notices().size(), 1);
    }

    void pickingDoorsFromTheTree()
    {
        openPage();
        AddPointGroupWidget &editor = openEditorForNew();
        const std::vector<SiteDoor> doors = siteDoors();
        // Area of doors 2..5 (four doors on two devices).
        const std::string area = doors[2].area;
        QStringList areaDoors;
        for (const SiteDoor &d : doors) {
            if (d.area == area)
                areaDoors << QString::fromStdString(d.guid);
        }
        QCOMPARE(areaDoors.size(), 4);

        // Tick, untick, tick: listed once.
        clickTreeBox(editor, doorNode(editor, doors[2].guid), true);
        clickTreeBox(editor, doorNode(editor, doors[2].guid), false);
        QVERIFY(editor.selectedDoorIds().isEmpty());
        clickTreeBox(editor, doorNode(editor, doors[2].guid), true);
        QCOMPARE(editor.selectedDoorIds(), QStringList{QString::fromStdString(doors[2].guid)});

        // The area adds its other doors after the one ticked before.
        clickTreeBox(editor, areaNode(editor, area), true);
        const QStringList listed = editor.selectedDoorIds();
        QCOMPARE(listed.size(), 4);
        QCOMPARE(QSet<QString>(listed.begin(), listed.end()),
                 QSet<QString>(areaDoors.begin(), areaDoors.end()));
        QCOMPARE(editor.countLabel()->text(), QStringLiteral("(4)"));
        clickTreeBox(editor, doorNode(editor, doors[0].guid), true);
        QCOMPARE(editor.selectedDoorIds().size(), 5);

        // Unticking the area drops all its doors, also the one ticked alone.
        clickTreeBox(editor, areaNode(editor, area), false);
        QCOMPARE(editor.selectedDoorIds(), QStringList{QString::fromStdString(doors[0].guid)});
        QCOMPARE(editor.countLabel()->text(), QStringLiteral("(1)"));

        // Online and offline doors carry their icons (the third device is offline).
        const std::string offlineDevice = m_bench.server().list("devices").at(3).at(DeviceGuidCol);
        for (const SiteDoor &d : doors) {
            if (d.device == offlineDevice)
                clickTreeBox(editor, doorNode(editor, d.guid), true);
        }
        const QModelIndex online = editor.selectedModel()->index(0, 0);
        const QModelIndex offline = editor.selectedModel()->index(1, 0);
        QVERIFY(online.data(Qt::DecorationRole).value<QIcon>().cacheKey() !=
                offline.data(Qt::DecorationRole).value<QIcon>().cacheKey());
        QCOMPARE(offline.data(UiDataController::DeviceIdRole).toString(),
                 QString::fromStdString(offlineDevice));

        editor.onClearSelectDoors();
        QVERIFY(editor.selectedDoorIds().isEmpty());
        QCOMPARE(editor.countLabel()->text(), QStringLiteral("(0)"));
        QVERIFY(editor.doorTreeModel()->GetCheckedElementIDs().isEmpty());
        editor.signalCancel();
    }

    void largeGroupsYieldEveryThirtyTwoDoors()
    {
        openPage();
        AddPointGroupWidget &editor = openEditorForNew();
        const std::vector<SiteDoor> site = siteDoors();
        // Doors the tree does not know are listed unticked.
        auto groupWith = [&](int count) {
            groupData group = groupOf("Many", {site[0]});
            for (int i = 1; i < count; ++i)
                group.vecDoors.append({"device", "door-" + std::to_string(i), "area",
                                       "Door " + std::to_string(i), i});
            return group;
        };
        editor.setGroup(groupWith(33));
        QCOMPARE(editor.lastFillYields(), 2);
        QCOMPARE(editor.selectedDoorIds().size(), 33);
        QCOMPARE(editor.countLabel()->text(), QStringLiteral("(33)"));
        QCOMPARE(editor.doorTreeModel()->GetCheckedElementIDs(),
                 QStringList{QString::fromStdString(site[0].guid)});
        editor.setGroup(groupWith(32));
        QCOMPARE(editor.lastFillYields(), 1);
        editor.setGroup(groupWith(65));
        QCOMPARE(editor.lastFillYields(), 3);
        QCOMPARE(editor.selectedDoorIds().size(), 65);
        editor.setGroup(groupData());
        QCOMPARE(editor.lastFillYields(), 0);
        QVERIFY(editor.selectedDoorIds().isEmpty());
        QVERIFY(editor.doorTreeModel()->GetCheckedElementIDs().isEmpty());
        editor.signalCancel();
    }

    void deletingKeepsGroupsInUse()
    {
        QVERIFY(!m_bench.addAccessGroup("Alpha", 1).empty());
        const std::string used = m_bench.addAccessGroup("Bravo", 2);
        QVERIFY(!m_bench.addAccessGroup("Charlie", 3).empty());
        QVERIFY(bookWithGroup(used));
        AccessPointGroupWidget &page = openPage();
        QSignalSpy published(&page, &AccessPointGroupWidget::signalAccessPointDataChanged);
        QVERIFY(!page.deleteButton()->isEnabled());
        tickRow(0);
        tickRow(1);
        tickRow(2);
        QVERIFY(page.deleteButton()->isEnabled());

        // Refused question: nothing is sent.
        m_bench.mark();
        m_bench.answerNextQuestion(false);
        page.onDelete();
        QCOMPARE(page.model()->rowCount(), 3);
        QVERIFY(m_bench.requests().isEmpty());

        m_bench.mark();
        m_bench.answerNextQuestion(true);
        page.onDelete();
        QCOMPARE(m_bench.questions(), QStringList{pageText("AreYouSureToRemoveAcsDPcrZCY")});
        QCOMPARE(rowNames(), QStringList{"Bravo"});
        QCOMPARE(m_bench.notices(), QStringList{QStringLiteral("Bravo ") + pageText("Used")});
        const auto log = m_bench.operationLog();
        QCOMPARE(log.size(), 2);
        QCOMPARE(log[0].type, 9007);
        QCOMPARE(log[0].text, pageText("AccessRightsGroupIHwNecpAbY") + ":Charlie");
        QCOMPARE(log[1].text, pageText("AccessRightsGroupIHwNecpAbY") + ":Alpha");
        QVERIFY(!page.deleteButton()->isEnabled());
        QCOMPARE(published.size(), 1);
        const QStringList remaining = published.last().at(0).value<QMap<QString, QString>>().keys();
        QCOMPARE(remaining, QStringList{QString::fromStdString(used)});
        // The remaining group is current and shown.
        QCOMPARE(page.table()->currentIndex().row(), 0);
        QCOMPARE(detailColumn(0).size(), 2);
    }

    void deviceRemovalDropsOneDoorPerGroup()
    {
        const std::vector<SiteDoor> doors = siteDoors();
        // The first device owns the first four doors.
        QCOMPARE(doors[3].device, doors[0].device);
        const std::string device = doors[0].device;
        QVERIFY(!m_bench.addAccessGroup("Alpha", 2).empty()); // two doors of the device
        QVERIFY(!m_bench.addAccessGroup("Bravo", 1).empty()); // one door of it
        const std::string other = m_bench.server().list("devices").at(2).at(DeviceGuidCol);
        AccessPointGroupWidget &page = openPage();
        QSignalSpy changed(page.model(), &AccessPointGroupModel::signalDataChanged);
        QSignalSpy published(&page, &AccessPointGroupWidget::signalAccessPointDataChanged);
        QCOMPARE(detailColumn(0).size(), 2);

        QCOMPARE(m_bench.server().removeDevice(other), 0u);
        QVERIFY(m_bench.waitForNotification("deviceRemoved"));
        QCOMPARE(changed.size(), 0);

        m_bench.mark();
        QCOMPARE(m_bench.server().removeDevice(device), 0u);
        QVERIFY(m_bench.waitForNotification("deviceRemoved"));
        QCOMPARE(changed.size(), 2);
        QCOMPARE(page.model()->groupAt(0).vecDoors.size(), 1);
        QCOMPARE(page.model()->groupAt(0).vecDoors.at(0).strObjectGuid, doors[1].guid);
        QCOMPARE(page.model()->item(0, AccessPointGroupModel::DoorsColumn)->text(),
                 QStringLiteral("1"));
        QCOMPARE(page.model()->groupAt(1).vecDoors.size(), 0);
        // The current row's detail follows and the map is published again.
        QCOMPARE(detailColumn(0), QStringList{QString::fromStdString(doors[1].name)});
        QCOMPARE(published.size(), 2);
    }

    void renamesReachTheDetail()
    {
        const std::vector<SiteDoor> doors = siteDoors();
        QVERIFY(!m_bench.addAccessGroup("Alpha", 3).empty());
        AccessPointGroupWidget &page = openPage();
        const QString areaName = QString::fromStdString(m_bench.server().list("areas").at(1).at(1));
        QCOMPARE(detailColumn(CAccessGroupDoorInfoModel::GroupNameColumn).first(), areaName);

        QCOMPARE(m_bench.server().renameResourceGroup(doors[0].area, "North wing"), 0u);
        QVERIFY(m_bench.waitForNotification("groupNameChanged"));
        QCOMPARE(detailColumn(CAccessGroupDoorInfoModel::GroupNameColumn).mid(0, 2),
                 (QStringList{"North wing", "North wing"}));

        // A search that matches nothing yet finds the door once it is renamed.
        page.doorsDetail()->onLocalSearch(QStringLiteral("side"));
        QCOMPARE(page.doorsDetail()->proxy()->rowCount(), 0);
        m_bench.mark();
        QCOMPARE(m_bench.server().renameDoor(doors[1].guid, "Side gate"), 0u);
        QVERIFY(m_bench.waitForNotification("elementNameChanged"));
        QCOMPARE(detailColumn(CAccessGroupDoorInfoModel::DoorColumn).at(1),
                 QStringLiteral("Side gate"));
        QCOMPARE(page.doorsDetail()->proxy()->rowCount(), 1);
        page.doorsDetail()->onLocalSearch(QString());

        // Shown again (a new fill from the record), the new names stay.
        page.doorsDetail()->clear();
        page.onGroupDataChanged(0);
        QCOMPARE(detailColumn(CAccessGroupDoorInfoModel::DoorColumn).at(1),
                 QStringLiteral("Side gate"));
        QCOMPARE(detailColumn(CAccessGroupDoorInfoModel::GroupNameColumn).at(0),
                 QStringLiteral("North wing"));

        // The search looks at both columns.
        page.doorsDetail()->onLocalSearch(QStringLiteral("  side "));
        QCOMPARE(page.doorsDetail()->proxy()->rowCount(), 1);
        page.doorsDetail()->onLocalSearch(QStringLiteral("north"));
        QCOMPARE(page.doorsDetail()->proxy()->rowCount(), 2);
        page.doorsDetail()->onLocalSearch(QString());
        QCOMPARE(page.doorsDetail()->proxy()->rowCount(), 3);
    }

    void unreadableResourceGroupLeavesTheNameEmpty()
    {
        openPage();
        const std::vector<SiteDoor> doors = siteDoors();
        groupData group = groupOf("Ghost", {doors[0], doors[1]});
        group.vecDoors[1].strObjGroupGuid = "no-such-area";
        m_bench.mark();
        m_page->doorsDetail()->setGroup(group);
        QCOMPARE(detailColumn(CAccessGroupDoorInfoModel::GroupNameColumn).at(1), QString());
        QVERIFY(!detailColumn(CAccessGroupDoorInfoModel::GroupNameColumn).at(0).isEmpty());
        QVERIFY(m_bench.log().waitForLine(
            "commlayer::CGetSingleGroupComm::request failed! groupguid[no-such-area]"));
    }

    void synchronisationNamesFailedDevices()
    {
        AccessPointGroupWidget &page = openPage();
        // The demo's warehouse controller is offline.
        const auto devices = m_bench.server().list("devices");
        const QString offlineIp = QString::fromStdString(devices.at(3).at(DeviceIpCol));
        page.onSynPointInfo();
        QCOMPARE(m_bench.notices(), QStringList{offlineIp + " " + pageText("SaveFailed")});
        auto log = m_bench.operationLog();
        QCOMPARE(log.size(), 1);
        QCOMPARE(log[0].type, 9008);
        QCOMPARE(log[0].text, pageText("Failed") + offlineIp);

        QCOMPARE(m_bench.server().setDeviceOnline(devices.at(3).at(DeviceGuidCol), true), 0u);
        QCOMPARE(m_bench.server().setDeviceFailing(devices.at(1).at(DeviceGuidCol), true), 0u);
        QCOMPARE(m_bench.server().setDeviceOnline(devices.at(2).at(DeviceGuidCol), false), 0u);
        m_bench.mark();
        page.onSynPointInfo();
        const QString both = QString::fromStdString(devices.at(1).at(DeviceIpCol)) + ";" +
                             QString::fromStdString(devices.at(2).at(DeviceIpCol));
        QCOMPARE(m_bench.notices(), QStringList{both + " " + pageText("SaveFailed")});

        QCOMPARE(m_bench.server().setDeviceFailing(devices.at(1).at(DeviceGuidCol), false), 0u);
        QCOMPARE(m_bench.server().setDeviceOnline(devices.at(2).at(DeviceGuidCol), true), 0u);
        m_bench.mark();
        page.onSynPointInfo();
        QCOMPARE(m_bench.notices(), QStringList{pageText("SynchronousSuccess")});
        log = m_bench.operationLog();
        QCOMPARE(log.size(), 1);
        QCOMPARE(log[0].text, pageText("Succeeded"));
    }

    void withoutTheRightTheListStaysReadable()
    {
        QVERIFY(!m_bench.addAccessGroup("Alpha", 2).empty());
        AccessPointGroupWidget &page = openPage();
        page.setPageEnabled(false);
        QVERIFY(!page.addButton()->isEnabled());
        QVERIFY(!page.synchronizeButton()->isEnabled());
        tickRow(0);
        QVERIFY(!page.deleteButton()->isEnabled());
        page.onOperation(page.model()->index(0, AccessPointGroupModel::OperationColumn),
                         QorvaGUIToolkit::ItemClickableIconRole);
        QVERIFY(page.editor() == nullptr);
        QVERIFY(page.table()->isEnabled());
        QCOMPARE(detailColumn(0).size(), 2);

        page.setPageEnabled(true);
        QVERIFY(page.addButton()->isEnabled());
        QVERIFY(page.deleteButton()->isEnabled());

        // The shrink button folds and unfolds the door detail.
        QVERIFY(!page.detailPanel()->isHidden());
        page.onShrink();
        QVERIFY(page.detailPanel()->isHidden());
        page.onShrink();
        QVERIFY(!page.detailPanel()->isHidden());
    }
};

QTEST_MAIN(TestAccessGroupPage)
#include "tst_access_group_page.moc"
